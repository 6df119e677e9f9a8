#include "widget_interaction.h"

#include "printer_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace zenpa::ui {

namespace {

QColor toQColor(ColorRef c) {
    const ColorRef rgb = ToRgb(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

ColorRef fromQColor(const QColor& c) { return MakeColor(c.red(), c.green(), c.blue()); }

QString caption() { return QApplication::applicationDisplayName(); }

} // namespace

Answer WidgetInteraction::message(MessageKind kind, const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons set;
    Answer last = Answer::Ok;
    switch (buttons) {
    case Buttons::Ok:
        set = QMessageBox::Ok;
        break;
    case Buttons::Yes:
        set = QMessageBox::Yes;
        last = Answer::Yes;
        break;
    case Buttons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        last = Answer::No;
        break;
    case Buttons::YesCancel:
        set = QMessageBox::Yes | QMessageBox::Cancel;
        last = Answer::Cancel;
        break;
    case Buttons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        last = Answer::Cancel;
        break;
    }
    const QMessageBox::Icon icon = kind == MessageKind::Error         ? QMessageBox::Critical
                                   : kind == MessageKind::Warning     ? QMessageBox::Warning
                                   : kind == MessageKind::Question    ? QMessageBox::Question
                                                                      : QMessageBox::Information;
    QMessageBox box(icon, caption(), text, set, m_parent);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return last;
    }
}

namespace {

// Runs a file dialog with its title, filter, suffix and proposed name; the
// chosen file, or nothing when the user cancels.
std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSpec& spec,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, spec.title, spec.directory, spec.filter);
    dialog.setAcceptMode(mode);
    // The open dialog takes only existing files; the save dialog asks before
    // it replaces one (Qt's default).
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    const QStringList filters = dialog.nameFilters();
    if (spec.filterIndex >= 1 && spec.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[spec.filterIndex - 1]);
    if (!spec.fileName.isEmpty())
        dialog.selectFile(spec.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> WidgetInteraction::openFile(const FileDialogSpec& spec) {
    return runFileDialog(m_parent, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> WidgetInteraction::saveFile(const FileDialogSpec& spec) {
    return runFileDialog(m_parent, spec, QFileDialog::AcceptSave);
}

std::optional<ColorRef> WidgetInteraction::chooseColor(ColorRef initial,
                                                       std::array<ColorRef, 16>& slots) {
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, slots[static_cast<std::size_t>(i)] == 0xFFFFFFFFu
                                            ? QColor(Qt::white)
                                            : toQColor(slots[static_cast<std::size_t>(i)]));
    QColorDialog dialog(toQColor(initial), m_parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    // The dialog's custom slots are kept whatever the answer, as the dialog keeps them.
    for (int i = 0; i < 16; ++i)
        slots[static_cast<std::size_t>(i)] = fromQColor(QColorDialog::customColor(i));
    if (!ok)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

bool WidgetInteraction::printerSetup(PrinterSystem& printers) {
    return RunPrinterSetupDialog(m_parent, printers);
}

bool WidgetInteraction::printerProperties(PrinterSystem& printers) {
    return RunPrinterPropertiesDialog(m_parent, printers);
}

void WidgetInteraction::openPrinterSettings() { OpenPrinterSettings(); }

} // namespace zenpa::ui
