#include "ui/layout/LayoutHelpers.h"

#include "config/EditorFields.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/UpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace kx {

namespace {

const SpinFieldSpec& SpinFieldNamed(const char* name) {
    for (const SpinFieldSpec& field : SpinFields()) {
        if (field.name == name)
            return field;
    }
    throw std::logic_error(std::string("no spin field ") + name);
}

const CheckFieldSpec* CheckFieldNamed(const char* name) {
    for (const CheckFieldSpec& field : CheckFields()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

} // namespace

SpinField MakeSpinField(const char* name, QWidget* parent, int editWidth) {
    const SpinFieldSpec& field = SpinFieldNamed(name);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromStdString(field.editName()));
    edit->setFixedSize(editWidth, kFieldHeight);
    auto* upDown = new UpDown(parent);
    upDown->setObjectName(QString::fromStdString(field.upDownName()));
    upDown->setRange(field.minimum, field.maximum);
    upDown->setIncrement(field.increment);
    upDown->setThousands(field.thousands());
    upDown->setAssociate(edit);
    upDown->setPosition(field.start);
    KeepPlaceWhenHidden(upDown);
    return {edit, upDown};
}

QBoxLayout* SpinRow(const SpinField& field) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(field.edit);
    row->addWidget(field.upDown);
    return row;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QCheckBox* MakeCheckBox(const char* name, const QString& text, QWidget* parent, bool mouseBound) {
    const CheckFieldSpec* field = CheckFieldNamed(name);
    QCheckBox* box = mouseBound || (field && field->mouseBound) ? new MouseCheckBox(text, parent)
                                                                : new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

void SetPixelFont(QWidget* widget, int pixels, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace kx
