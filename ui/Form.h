// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

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
    template <typename T>
    static bool isLoaded();
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

template <typename T>
bool Form::isLoaded()
{
    for (Form *form : loadedForms()) {
        if (qobject_cast<T *>(form))
            return true;
    }
    return false;
}
