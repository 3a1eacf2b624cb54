#include "ui/widgets/SpinButton.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace kx {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* down = new QToolButton;
    auto* up = new QToolButton;
    down->setArrowType(Qt::DownArrow);
    up->setArrowType(Qt::UpArrow);
    down->setObjectName("down");
    up->setObjectName("up");
    for (QToolButton* button : {down, up}) {
        button->setAutoRepeat(true);
        layout->addWidget(button);
    }
    connect(up, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(down, &QToolButton::clicked, this, &SpinButton::downClicked);
    setZoom(1.0);
}

void SpinButton::setZoom(double zoom) {
    for (auto* button : findChildren<QToolButton*>())
        button->setFixedSize(qRound(18 * zoom), qRound(16 * zoom));
}

} // namespace kx
