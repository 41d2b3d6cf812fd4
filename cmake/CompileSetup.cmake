# One compile setup shared by every target of the project.
add_library(selvana_setup INTERFACE)
target_compile_options(selvana_setup INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(selvana_setup INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_USE_QSTRINGBUILDER
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(SELVANA_SANITIZE)
  target_compile_options(selvana_setup INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(selvana_setup INTERFACE -fsanitize=address,undefined)
endif()
