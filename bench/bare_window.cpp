// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The main window's shape and nothing else: its title, its fixed 450x321 client area under a
// menu bar with the same four entries, and the same frames, group boxes, labels, radio
// buttons, push buttons and two lists of 37 and 29 entries. No settings, no lock, no
// catalogue: what is left is the price of Qt itself, which bench/startup.sh compares with.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString filler = QStringLiteral(
    "A caption about as long as the ones the main window shows, so that wrapping it into "
    "lines costs about the same: a few words, then a few more, and a last one.");

void addLabel(QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(filler, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
}

void addList(QWidget *parent, int entries)
{
    auto *list = new QComboBox(parent);
    list->setGeometry(80, 72, 257, 22);
    for (int i = 1; i <= entries; ++i)
        list->addItem(QStringLiteral("Entry %1").arg(i));
}

void addButton(QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(QStringLiteral("Proceed"), parent);
    button->setGeometry(geometry);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tunewell v1.0"));

    auto *client = new QWidget(&window);
    client->setFixedSize(450, 321);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *top = new QFrame(client);
    top->setGeometry(0, 0, 449, 41);
    addLabel(top, QRect(8, 8, 432, 31));
    addLabel(client, QRect(8, 40, 433, 57));

    auto *choose = new QGroupBox(client);
    choose->setGeometry(0, 96, 449, 169);
    addLabel(choose, QRect(80, 56, 257, 16));
    addList(choose, 37);
    addList(choose, 29);
    addButton(choose, QRect(296, 136, 145, 25));

    // Made last, so drawn in front of the other panel on the same place.
    auto *search = new QGroupBox(QStringLiteral("Choose"), client);
    search->setGeometry(0, 96, 449, 169);
    (new QRadioButton(QStringLiteral("First"), search))->setGeometry(48, 40, 385, 25);
    (new QRadioButton(QStringLiteral("Second"), search))->setGeometry(48, 80, 385, 25);
    addButton(search, QRect(296, 136, 145, 25));

    auto *bottom = new QFrame(client);
    bottom->setGeometry(0, 264, 449, 57);
    addLabel(bottom, QRect(8, 11, 415, 41));
    addLabel(bottom, QRect(8, 10, 415, 41));
    addButton(client, QRect(336, 376, 139, 21));

    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Check for Software Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));
    window.menuBar()->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);

    window.show();
    return app.exec();
}
