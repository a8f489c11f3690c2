// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The catalogue and its lookup: plain C++, tested without any window.
#include "Lookup.h"
#include "RemedyCatalogue.h"
#include "Texts.h"

#include <QTest>

// A text of the catalogue on one line: its line breaks written as \r\n, and closed by a '|', so
// that a trailing space shows.
QString written(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size())).replace("\r\n", "\\r\\n") + '|';
}

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextAsPublished()
    {
        // Both tables in their order, a row to a line, as tests/texts/catalogue.txt has them.
        QStringList rows;
        for (const RagaEntry &raga : Catalogue().ragas)
            rows.append(written(raga.name) + written(raga.diseaseItHelpCure)
                        + written(raga.timeOfPerformance));
        for (const AilmentEntry &ailment : Catalogue().ailments)
            rows.append(written(ailment.name) + written(ailment.ragaItHelpCure));
        const QString difference = firstDifference(rows, QStringLiteral("catalogue.txt"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void lookupFindsWholeNamesOnly_data()
    {
        QTest::addColumn<QString>("raga");    // the raga list's text
        QTest::addColumn<QString>("ailment"); // the ailment list's text
        QTest::addColumn<QString>("found");   // the raga found, and the ailment; "-" for none
        const auto row = [](const char *name, const char *raga, const char *ailment,
                            const char *found) {
            QTest::newRow(name) << QString(raga) << QString(ailment) << QString(found);
        };
        row("another case is another name", "yaman", "cough", "-, -");
        row("a trailing space counts", "Yaman ", "Cough ", "-, -");
        row("a raga's text is no ailment", "Kedar", "Sleeping Disorder", "Kedar, -");
        row("a name is not its beginning", "Puriya Dh", "Common", "-, -");
    }
    void lookupFindsWholeNamesOnly()
    {
        QFETCH(QString, raga);
        QFETCH(QString, ailment);
        QFETCH(QString, found);
        const LookupResult result =
            Lookup(SearchMode::ByAilment, raga.toStdString(), ailment.toStdString());
        QCOMPARE(QString::fromStdString((result.ragaFound ? result.chosenRaga : "-") + ", "
                                        + (result.ailmentFound ? result.chosenAilment : "-")),
                 found);
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
