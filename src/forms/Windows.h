#pragma once

namespace selvana {

// Opening another top-level window is a request: the view opens (or raises) the window on
// the page asked for, tests record the requests. A window model never holds another's model.
class Windows {
public:
    enum class Window { Udaljenosti, Loko };

    virtual ~Windows() = default;
    virtual void open(Window window, int page) = 0;
};

// For runs without windows (printing from the command line): every request is ignored.
class NoWindows : public Windows {
public:
    void open(Window, int) override {}
};

} // namespace selvana
