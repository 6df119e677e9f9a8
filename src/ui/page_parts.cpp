#include "page_parts.h"

#include "color_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace zenpa::ui {

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QComboBox* ItemList(QWidget* parent, const char* name, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    return list;
}

void AddColorRow(QGridLayout* grid, int row, QWidget* caption, ColorList* list,
                 const char* button) {
    QWidget* parent = list->parentWidget();
    auto* b = new QPushButton(QStringLiteral("色"), parent);
    b->setObjectName(QLatin1String(button));
    b->setMaximumWidth(48);
    SetHint(b, QStringLiteral("標準の色以外を作成します。"));
    QObject::connect(b, &QPushButton::clicked, list, &ColorList::chooseCustom);
    if (caption) grid->addWidget(caption, row, 0);
    grid->addWidget(list, row, 1);
    grid->addWidget(b, row, 2);
}

} // namespace zenpa::ui
