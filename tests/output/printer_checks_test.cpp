#include "core/fixed_printer.h"
#include "output/printer_checks.h"
#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

// A printer list that can be empty or refuse to open.
class FakePrinters : public FixedPrinterSystem {
public:
    FakePrinters() : FixedPrinterSystem(PageFacts{{600, 600, 100, 100, 100, 100, 0, 0}, true}) {}
    QStringList printerNames() const override { return empty ? QStringList() : QStringList{"P"}; }
    bool select(int index) override { return !broken && index == 0; }
    bool empty = false;
    bool broken = false;
};

TEST(PrinterChecks, AtStartup) {
    FakePrinters printers;
    test::ScriptedInteraction ui;
    EXPECT_TRUE(CheckPrintersAtStartup(printers, ui));
    EXPECT_TRUE(ui.messages.empty());

    printers.empty = true;
    EXPECT_FALSE(CheckPrintersAtStartup(printers, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("プリンタが設定されていません。\n"
                                                  "「スタート－設定－プリンタ」で登録して下さい。"));

    printers.empty = false;
    printers.broken = true;
    EXPECT_FALSE(CheckPrintersAtStartup(printers, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages[1].text.startsWith(QStringLiteral("プリンタの設定が異常を知らせました。\n")));
}

} // namespace
} // namespace zenpa
