#pragma once

// The real dialogs of the window: message boxes, file choosers, the colour
// dialog and the printer dialogs.

#include "core/interaction.h"

class QWidget;

namespace zenpa::ui {

class WidgetInteraction : public Interaction {
public:
    explicit WidgetInteraction(QWidget* parent) : m_parent(parent) {}

    Answer message(MessageKind kind, const QString& text, Buttons buttons) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    std::optional<ColorRef> chooseColor(ColorRef initial,
                                        std::array<ColorRef, 16>& customSlots) override;
    bool printerSetup(PrinterSystem& printers) override;
    bool printerProperties(PrinterSystem& printers) override;
    void openPrinterSettings() override;

private:
    QWidget* m_parent;
};

} // namespace zenpa::ui
