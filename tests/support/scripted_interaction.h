#pragma once

// An Interaction that answers from a script and records what was asked.

#include "core/interaction.h"

#include <QStringList>

#include <deque>
#include <functional>

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

    // The printer dialogs: each scripted answer changes the printer system as
    // the user would and returns whether they pressed OK. Default: Cancel.
    using PrinterAnswer = std::function<bool(PrinterSystem&)>;
    std::deque<PrinterAnswer> setupAnswers;
    std::deque<PrinterAnswer> propertiesAnswers;
    int printerSetups = 0;
    int printerPropertiesShown = 0;
    int printerSettingsOpened = 0;

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

    bool printerSetup(PrinterSystem& printers) override {
        ++printerSetups;
        return answerPrinter(setupAnswers, printers);
    }
    bool printerProperties(PrinterSystem& printers) override {
        ++printerPropertiesShown;
        return answerPrinter(propertiesAnswers, printers);
    }
    void openPrinterSettings() override { ++printerSettingsOpened; }

private:
    static bool answerPrinter(std::deque<PrinterAnswer>& script, PrinterSystem& printers) {
        if (script.empty())
            return false;
        const PrinterAnswer a = script.front();
        script.pop_front();
        return a(printers);
    }
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
