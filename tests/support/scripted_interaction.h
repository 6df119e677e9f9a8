#pragma once

// An Interaction that answers from a script and records what was asked.

#include "core/interaction.h"

#include <QStringList>

#include <deque>

namespace zenpa::test {

class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        Buttons buttons;
    };
    std::vector<Shown> messages;
    std::vector<FileDialogSpec> fileDialogs;
    int colorDialogs = 0;

    std::deque<Answer> answers;                    // default: the first button
    std::deque<std::optional<QString>> files;      // default: cancelled
    std::deque<std::optional<ColorRef>> colors;    // default: cancelled
    std::array<ColorRef, 16> lastCustomSlots{};

    Answer message(MessageKind kind, const QString& text, Buttons buttons) override {
        messages.push_back({kind, text, buttons});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        default:
            return Answer::Yes;
        }
    }
    std::optional<QString> openFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<QString> saveFile(const FileDialogSpec& spec) override { return nextFile(spec); }
    std::optional<ColorRef> chooseColor(ColorRef, std::array<ColorRef, 16>& slots) override {
        ++colorDialogs;
        lastCustomSlots = slots;
        if (colors.empty())
            return std::nullopt;
        const auto c = colors.front();
        colors.pop_front();
        return c;
    }

private:
    std::optional<QString> nextFile(const FileDialogSpec& spec) {
        fileDialogs.push_back(spec);
        if (files.empty())
            return std::nullopt;
        const auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace zenpa::test
