// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <initializer_list>

class QWidget;

// The program's title, on every message box, and the caption of its windows.
inline constexpr char ApplicationTitle[] = "Tunewell";
inline constexpr char WindowCaption[] = "Tunewell v1.0";

// Layout is designed in twips, 15 to a pixel; Qt's high-DPI scaling takes it from there.
constexpr int twips(int value)
{
    return value / 15;
}
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// One window of the program. Each kind exists at most once: Form::get<T>() loads it on first
// reference (controls built, then Form_Load), and unload() discards it so the next reference
// loads a fresh one. The close box unloads; nothing cancels an unload.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    template <typename T>
    static T &get();
    static QList<Form *> loadedForms();

    void showModeless();
    void showModal(); // returns once the window has been unloaded
    void unload();

signals:
    void unloaded();

protected:
    Form();

    // Builds the fixed-size client area below the menu bar, if any, and returns it.
    QWidget *createClientArea(int widthTwips, int heightTwips);

    // The keyboard's way through the controls, in this order (as Qt 6.6 does with a list).
    static void setTabOrder(std::initializer_list<QWidget *> controls);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent *event) override;

private:
    void load();

    bool loaded = false;
    bool unloading = false;
    bool placed = false;
};

template <typename T>
T &Form::get()
{
    static QPointer<T> current;
    if (!current || !current->loaded) {
        current = new T;
        current->load();
    }
    return *current;
}

// Unloads every loaded window, hidden ones too, then ends the program: the one way it ends.
void EndApplication();
