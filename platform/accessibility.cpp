#include "accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>

namespace {

// A shape that answers presses is a button, or a check box when its owner says what "on" means:
// screen readers then speak its state, on or off, with its name. One that does not is a picture.
// Its name is the widget's accessible name.
class ShapeAccessible final : public QAccessibleWidget {
public:
    explicit ShapeAccessible(TShape* shape) : QAccessibleWidget(shape), shape_(shape) {}

    QAccessible::Role role() const override
    {
        if (!shape_->OnMouseDown)
            return QAccessible::Graphic;
        return shape_->AccessibleChecked ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (shape_->AccessibleChecked) {
            state.checkable = true;
            state.checked = shape_->AccessibleChecked();
        }
        return state;
    }
    QStringList actionNames() const override
    {
        if (!shape_->OnMouseDown)
            return {};
        return {shape_->AccessibleChecked ? toggleAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == toggleAction())
            shape_->MouseDown(mbLeft, {}, shape_->width() / 2, shape_->height() / 2);
    }

private:
    TShape* shape_;
};

// A label is text, or a link when it answers clicks; unless named otherwise, its caption names it.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(TLabel* label) : QAccessibleWidget(label), label_(label) {}

    QAccessible::Role role() const override
    {
        return label_->OnClick ? QAccessible::Link : QAccessible::StaticText;
    }
    QString text(QAccessible::Text kind) const override
    {
        if ((kind == QAccessible::Name && label_->accessibleName().isEmpty()) || kind == QAccessible::Value)
            return QString::fromStdString(label_->Caption());
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        return label_->OnClick ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            label_->Click();
    }

private:
    TLabel* label_;
};

QAccessibleInterface* ControlAccessibility(const QString&, QObject* object)
{
    if (auto* shape = dynamic_cast<TShape*>(object))
        return new ShapeAccessible(shape);
    if (auto* label = dynamic_cast<TLabel*>(object))
        return new LabelAccessible(label);
    return nullptr;
}

}  // namespace

void InstallControlAccessibility()
{
    static const bool installed = (QAccessible::installFactory(ControlAccessibility), true);
    (void)installed;
}

void AnnounceCheckedStateChange(QWidget* shape)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(shape, changed);
    QAccessible::updateAccessibility(&event);
}
