#include "forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <iostream>

TApplication* Application = nullptr;

TForm::TForm() : client_(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    // A scroll area takes the focus when clicked; a form leaves it with its edit.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    client_->setAutoFillBackground(true);
    setWidget(client_);
    font_.OnChange = [this] {
        for (TControl* control : controls_)
            if (auto* text = dynamic_cast<TFontControl*>(control))
                text->ParentFontChanged();
    };
    SetColor(color_);
}

TForm::~TForm() = default;

void TForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void TForm::SetColor(TColor color)
{
    color_ = color;
    QPalette colors = client_->palette();
    colors.setColor(QPalette::Window, ToQColor(color));
    client_->setPalette(colors);
    client_->update();
}

HWND TForm::Handle()
{
    return reinterpret_cast<HWND>(winId());
}

TControl* TForm::FindComponent(std::string_view name) const
{
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const TControl* control) { return control->Name == name; });
    return found == controls_.end() ? nullptr : *found;
}

void TForm::AddControl(TControl* control)
{
    controls_.push_back(control);
}

void TForm::UpdateScrollExtent()
{
    QRect extent;
    for (const TControl* control : controls_)
        extent |= control->Widget().geometry();
    client_->setMinimumSize(std::max(0, extent.right() + 1), std::max(0, extent.bottom() + 1));
}

void TForm::closeEvent(QCloseEvent* event)
{
    QScrollArea::closeEvent(event);
    if (event->isAccepted() && OnClosed)
        OnClosed();
}

void TForm::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (!client_->focusWidget())
        FocusFirstControl();
}

// The control with the lowest tab order that can take the focus gets it when the window shows.
void TForm::FocusFirstControl()
{
    TEdit* first = nullptr;
    for (TControl* control : controls_)
        if (auto* edit = dynamic_cast<TEdit*>(control); edit && (!first || edit->TabOrder() < first->TabOrder()))
            first = edit;
    if (first)
        first->setFocus(Qt::ActiveWindowFocusReason);
}

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

void TApplication::AddForm(std::unique_ptr<TForm> form)
{
    forms_.push_back(std::move(form));
}

void TApplication::Run()
{
    TForm* main = MainForm();
    if (!main)
        return;
    // exit(), not quit(): quit() first asks every window to close, and the main form, still inside
    // its own close, would refuse.
    main->OnClosed = [] { QCoreApplication::exit(0); };
    main->showNormal();
    QApplication::exec();
}

std::string TApplication::Title() const
{
    if (!title_.empty())
        return title_;
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

void TApplication::ShowException(const Exception* E)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(Title()),
                    QString::fromStdString(E ? E->Message : std::string()), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // a message is text, never markup
    // So that the user can copy the message (into a bug report, say), by mouse or by keyboard.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void TApplication::HandleEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Exception& e) {
        ShowException(&e);
    } catch (const std::exception& e) {
        const Exception wrapped(e.what());
        ShowException(&wrapped);
    } catch (...) {
        const Exception wrapped("");
        ShowException(&wrapped);
    }
}
