#pragma once
// The size and place of a window as the files of the program keep them: the
// window state, its width and height, and its top and left edge on the screen.
// The files write the state as a number: 0 normal, 1 minimised, 2 maximised.
namespace quillmar {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Width and height are the inner size of the window in its normal state.
struct WindowPlacement {
    WindowState state = WindowState::Normal;
    int width = 0;
    int height = 0;
    int top = 0;
    int left = 0;

    bool operator==(const WindowPlacement&) const = default;
};

} // namespace quillmar
