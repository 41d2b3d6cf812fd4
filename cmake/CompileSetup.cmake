# One compile setup shared by every target of the project.
option(SELVANA_WERROR "Treat warnings in our own code as errors" OFF)

add_library(selvana_setup INTERFACE)
target_compile_options(selvana_setup INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(selvana_setup INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_USE_QSTRINGBUILDER
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(SELVANA_WERROR)
  # Only through this target, so Qt's headers (system includes) and CMake's probes stay unaffected.
  target_compile_options(selvana_setup INTERFACE -Werror)
endif()
if(SELVANA_SANITIZE)
  # UBSan would only print and go on; halting turns a finding into a failed test.
  target_compile_options(selvana_setup INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(selvana_setup INTERFACE -fsanitize=address,undefined)
endif()
