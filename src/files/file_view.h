#pragma once

// What the file commands show besides the application state. The window
// fills these in; a command skips any that is left empty.

#include <QString>

#include <functional>

namespace zenpa {

struct FileView {
    std::function<void(const QString&)> showFileName; // the status bar's file-name panel
    std::function<void()> showTextPage;               // the page "テキスト" to the front
    std::function<void(bool)> setBusy;                // the wait cursor on or off
    std::function<void()> caretToStart;               // the editor's caret to the text's start
};

} // namespace zenpa
