#pragma once

// The printer checks at start-up: without a printer, or with one that fails
// to open, the program tells the user and ends.

#include "core/interaction.h"
#include "core/printer_system.h"

namespace zenpa {

inline const QString kNoPrinterMessage =
    QStringLiteral("プリンタが設定されていません。\n「スタート－設定－プリンタ」で登録して下さい。");
inline const QString kPrinterErrorMessage = QStringLiteral(
    "プリンタの設定が異常を知らせました。\n「スタート－設定－プリンタ」で設定を確認して下さい。");

// True when the program can go on. Otherwise the matching error has been
// shown (and confirmed) and the program must end without writing anything.
bool CheckPrintersAtStartup(PrinterSystem& printers, Interaction& interaction);

} // namespace zenpa
