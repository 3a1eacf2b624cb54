#include "ui/widgets/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

namespace kx {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton), down_(new QToolButton) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setArrowType(button == up_ ? Qt::UpArrow : Qt::DownArrow);
        button->setFocusPolicy(Qt::NoFocus); // spinners are no focus stops
        button->setAutoRepeat(true);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    setZoom(1.0);
}

void UpDown::setZoom(double zoom) {
    for (QToolButton* button : {up_, down_}) {
        button->setFixedSize(qRound(15 * zoom), qRound(10 * zoom));
        button->setIconSize(QSize(qRound(7 * zoom), qRound(5 * zoom)));
    }
    setFixedSize(qRound(15 * zoom), 2 * qRound(10 * zoom));
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
}

void UpDown::setAssociate(QLineEdit* edit) {
    edit_ = edit;
    edit_->installEventFilter(this);
    setPosition(position_);
}

QString UpDown::formatted(int value) const {
    if (!thousands_)
        return QString::number(value);
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(value);
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    if (edit_ && edit_->text() != formatted(position_))
        edit_->setText(formatted(position_));
}

bool UpDown::editPending() const {
    return edit_ && edit_->text() != formatted(position_);
}

void UpDown::takeEditText() {
    if (!edit_)
        return;
    const QString text = edit_->text().trimmed();
    bool ok = false;
    int value = text.toInt(&ok);
    if (!ok && thousands_)
        value = QLocale().toInt(text, &ok);
    if (ok && value >= minimum_ && value <= maximum_)
        position_ = value;
}

void UpDown::step(int direction) {
    takeEditText();
    setPosition(position_ + direction * increment_);
    emit clicked();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kx
