#include "FeatureRow.h"

#include "gui/widgets/SymbolIcons.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace {
// A blue that reads on light and dark windows alike.
const QColor symbolBlue(41, 121, 255);
} // namespace

FeatureRow::FeatureRow(const QString& icon, const QString& text, QWidget* parent)
    : QWidget(parent)
    , symbol(icon)
    , line(text) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    auto* symbolLabel = new QLabel;
    symbolLabel->setFixedWidth(20);
    symbolLabel->setAlignment(Qt::AlignCenter);
    symbolLabel->setPixmap(
        SymbolIcons::icon(symbol, symbolBlue).pixmap(QSize(18, 18), qApp->devicePixelRatio()));
    row->addWidget(symbolLabel, 0, Qt::AlignVCenter);
    row->addWidget(new QLabel(text), 0, Qt::AlignVCenter);
    row->addStretch();
}
