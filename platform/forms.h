// Forms and the application object. A form is a top-level window whose client area holds its
// controls at fixed positions and scrolls when it is smaller than they need; its controls,
// properties and event bindings come from its window description, a text resource named after
// the form class in upper case.
#pragma once

#include "controls.h"
#include "published.h"
#include "sysutils.h"

#include <QScrollArea>

#include <memory>
#include <string>
#include <vector>

struct HWND__;
using HWND = HWND__*;

class TForm : public QScrollArea, public TObject {
public:
    TForm();
    ~TForm() override;

    static constexpr const char* StaticClassName = "TForm";
    const char* ClassName() const override { return StaticClassName; }

    std::string Name;

    // Outer size, as designed for a classic 96-dpi sizeable frame; the client area is the outer
    // size less that frame.
    static constexpr int FrameWidth = 4;
    static constexpr int CaptionHeight = 19;
    int Left() const { return x(); }
    int Top() const { return y(); }
    void SetLeft(int left) { move(left, y()); }
    void SetTop(int top) { move(x(), top); }
    int Width() const { return ClientWidth() + 2 * FrameWidth; }
    int Height() const { return ClientHeight() + 2 * FrameWidth + CaptionHeight; }
    void SetWidth(int width) { resize(width - 2 * FrameWidth, height()); }
    void SetHeight(int height) { resize(width(), height - 2 * FrameWidth - CaptionHeight); }
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

    std::string Caption() const { return windowTitle().toStdString(); }
    void SetCaption(const std::string& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont* Font() { return &font_; }
    HWND Handle();

    // The client area that holds the controls.
    QWidget& Client() { return *client_; }
    TControl* FindComponent(std::string_view name) const;
    const std::vector<TControl*>& Controls() const { return controls_; }

    // Builds the form from the window description named after ClassName in upper case, binding
    // controls and events through the class's published table. Throws Exception on any fault.
    void LoadDescription(std::string_view className, const PublishedTable& published);
    // The same from a given text, for forms whose description does not come from a resource.
    void LoadDescription(std::string_view text, std::string_view resource, std::string_view className,
                         const PublishedTable& published);

    void AddControl(TControl* control);
    // Grows the scrolled area to cover every control, so scroll bars appear exactly when the
    // client area is smaller than that.
    void UpdateScrollExtent();

    std::function<void()> OnClosed;  // set by the application for its main form

protected:
    // Called once the description has been built and every field bound, for what a form class
    // sets up beyond its description.
    virtual void Loaded() {}
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FocusFirstControl();

    QWidget* client_;
    std::vector<TControl*> controls_;  // owned by client_, in creation order
    TColor color_ = clBtnFace;
    TFont font_;
};

template <class Form>
struct TFormClass {};
// The class argument of CreateForm: ClassOf<TForm1>.
template <class Form>
inline constexpr TFormClass<Form> ClassOf{};

class TApplication : public TObject {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    void Initialize() {}

    // Creates a form from its description and stores it in *reference; the first form created
    // becomes the main form. Throws Exception, leaving *reference untouched, if the build fails.
    template <class Form>
    void CreateForm(TFormClass<Form>, Form** reference)
    {
        auto form = std::make_unique<Form>();
        form->LoadDescription(Form::StaticClassName, Form::Published);
        *reference = form.get();
        AddForm(std::move(form));
    }

    // Shows the main form and runs the message loop until it is closed.
    void Run();
    // The error box: the message, one OK button, the error icon, the title as caption.
    void ShowException(const Exception* E);
    // Runs an event handler; an exception it lets escape is shown and the loop goes on.
    void HandleEvent(const std::function<void()>& handler);

    std::string Title() const;  // the executable's file name unless set
    void SetTitle(std::string title) { title_ = std::move(title); }
    TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

private:
    void AddForm(std::unique_ptr<TForm> form);

    std::vector<std::unique_ptr<TForm>> forms_;
    std::string title_;
};

// The one application object, made by the start-up code before WinMain runs.
extern TApplication* Application;
