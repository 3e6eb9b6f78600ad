// The program's entry: create the window, run it, and show any failure instead of crashing.
#include "platform/forms.h"
#include "platform/shell.h"
#include "window/main_form.h"

using LPSTR = char*;

int WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application->Initialize();
        Application->CreateForm(ClassOf<TForm1>, &Form1);
        Application->Run();
    } catch (Exception& exception) {
        Application->ShowException(&exception);
    } catch (...) {
        try {
            throw Exception("");
        } catch (Exception& exception) {
            Application->ShowException(&exception);
        }
    }
    return 0;
}
