// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The catalogue and its lookup: plain C++, tested without any window.
#include "Lookup.h"
#include "RemedyCatalogue.h"

#include <QCryptographicHash>
#include <QTest>

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Every name and text of both tables, in table order.
QByteArrayList allTexts()
{
    QByteArrayList texts;
    for (const RagaEntry &raga : Catalogue().ragas)
        texts << bytes(raga.name) << bytes(raga.diseaseItHelpCure) << bytes(raga.timeOfPerformance);
    for (const AilmentEntry &ailment : Catalogue().ailments)
        texts << bytes(ailment.name) << bytes(ailment.ragaItHelpCure);
    return texts;
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextAsPublished() {
        // Each text closed by a NUL: a changed letter, a lost space or line break, or two rows
        // swapped changes the digest of the tables as published.
        const QByteArray all = allTexts().join('\0') + '\0';
        QCOMPARE(QCryptographicHash::hash(all, QCryptographicHash::Sha256).toHex(),
                 "27283de95ff7e5df1b6252ca27bfe370a0b631578620e0773f1f271f43370cd4");
        // And the texts that are easiest to tidy by mistake, where a failure names them.
        QVERIFY(all.contains(QByteArray("Asavari\0Builds Confidence\0Morning \0", 35)));
        QVERIFY(all.contains(QByteArray("Kedar\0" "1)Headache\r\n2)Common Cold\r\n3)Cough,Asthma\0", 48)));
        QVERIFY(all.contains(QByteArray("All types of General illness\0Mohana \0", 37)));
    }

    void namesInTheirOwnOrder() {
        const auto ragas = RagaNames();
        const auto ailments = AilmentNames();
        const auto at = [](const auto &names, std::string_view name) { return std::ranges::find(names, name) - names.begin(); };
        QCOMPARE(ragas.size(), size_t(37));
        QCOMPARE(ailments.size(), size_t(29));
        QCOMPARE(at(ragas, "Ahir Bhairav"), 0);
        QCOMPARE(at(ragas, "Jaijawanti"), at(ragas, "Jaunpuri") + 1); // not alphabetical
        QCOMPARE(at(ragas, "Shyam Kalyan"), at(ragas, "Sohani") + 1);
        QCOMPARE(at(ragas, "Yaman"), 36);
        QCOMPARE(at(ailments, "Rheumatic Arthritis"), 1); // by the first raga each names
        QCOMPARE(at(ailments, "Pregnancy"), 28);
    }

    void everyTextFollowsTheLineRules() {
        for (const QByteArray &text : allTexts()) {
            // Printable ASCII; every line break CR LF, none leading or trailing; six lines at most.
            QVERIFY2(!text.isEmpty() && text.size() <= 83 && text.count("\r\n") <= 5, text);
            QVERIFY2(std::ranges::all_of(text, [](char c) { return (c >= 32 && c < 127) || c == '\r' || c == '\n'; }), text);
            QVERIFY2(text.count('\r') == text.count("\r\n") && text.count('\n') == text.count("\r\n"), text);
            QVERIFY2(!text.startsWith('\r') && !text.endsWith('\n'), text);
        }
    }

    void lookupMatchesWholeNamesOnly_data() {
        QTest::addColumn<QByteArray>("raga");
        QTest::addColumn<QByteArray>("ailment");
        QTest::addColumn<QByteArray>("found"); // what the raga half, then the ailment half, carry
        QTest::newRow("both found, whatever the mode") << QByteArray("Yaman") << QByteArray("Cough")
            << QByteArray("Yaman|Rheumatic Arthritis|Evening||Cough|1)Gujari Todi\r\n2)Kedar\r\n3)Shree\r\n4)Shyam Kalyan");
        QTest::newRow("spaces and parentheses are part of a name") << QByteArray("Puriya Dhanashri") << QByteArray("Gall Stones (Cholecystitis)")
            << QByteArray("Puriya Dhanashri|Anaemia|Evening||Gall Stones (Cholecystitis)|1)Basant Bahar\r\n2)Deepak\r\n3)Shudh Sarang");
        QTest::newRow("other case") << QByteArray("yaman") << QByteArray("COUGH") << QByteArray("|||||");
        QTest::newRow("a space too many, a part of a name") << QByteArray("Yaman ") << QByteArray("Sleep") << QByteArray("|||||");
        QTest::newRow("Sleeping Disorder is a raga's text") << QByteArray("Cough") << QByteArray("Sleeping Disorder") << QByteArray("|||||");
    }
    void lookupMatchesWholeNamesOnly() {
        QFETCH(QByteArray, raga);
        QFETCH(QByteArray, ailment);
        QFETCH(QByteArray, found);
        for (SearchMode mode : {SearchMode::ByRaga, SearchMode::ByAilment}) {
            const LookupResult result = Lookup(mode, raga.toStdString(), ailment.toStdString());
            QCOMPARE(result.mode, mode);
            const QByteArrayList halves{bytes(result.chosenRaga), bytes(result.diseaseItHelpCure), bytes(result.timeOfPerformance),
                                        QByteArray(), bytes(result.chosenAilment), bytes(result.ragaItHelpCure)};
            QCOMPARE(halves.join('|'), found);
            QVERIFY(result.ragaFound == !result.chosenRaga.empty() && result.ailmentFound == !result.chosenAilment.empty());
        }
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
