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

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextAsPublished() {
        // Every name and text in table order, each closed by a NUL: a changed letter, a lost space
        // or line break, or two rows swapped changes the digest of the published tables.
        QCryptographicHash digest(QCryptographicHash::Sha256);
        for (const RagaEntry &raga : Catalogue().ragas) {
            for (std::string_view text : {raga.name, raga.diseaseItHelpCure, raga.timeOfPerformance})
                digest.addData(bytes(text) + '\0');
        }
        for (const AilmentEntry &ailment : Catalogue().ailments) {
            for (std::string_view text : {ailment.name, ailment.ragaItHelpCure})
                digest.addData(bytes(text) + '\0');
        }
        QCOMPARE(digest.result().toHex(), "27283de95ff7e5df1b6252ca27bfe370a0b631578620e0773f1f271f43370cd4");
    }

    void namesInTheirOwnOrder() {
        const auto ragas = RagaNames();
        const auto ailments = AilmentNames();
        QCOMPARE(ragas.size(), size_t(37));
        QCOMPARE(ailments.size(), size_t(29));
        const auto at = [](const auto &names, std::string_view name) {
            return std::ranges::find(names, name) - names.begin();
        };
        QCOMPARE(at(ragas, "Ahir Bhairav"), 0);
        QCOMPARE(at(ragas, "Jaijawanti"), at(ragas, "Jaunpuri") + 1); // not alphabetical
        QCOMPARE(at(ragas, "Malhar"), at(ragas, "Malkauns") + 1);
        QCOMPARE(at(ragas, "Shyam Kalyan"), at(ragas, "Sohani") + 1);
        QCOMPARE(at(ragas, "Yaman"), 36);
        QCOMPARE(at(ailments, "Indigestion"), 0); // by the first raga each names
        QCOMPARE(at(ailments, "Rheumatic Arthritis"), 1);
        QCOMPARE(at(ailments, "All types of General illness"), 25);
        QCOMPARE(at(ailments, "Pregnancy"), 28);
    }

    void oddTextsKept_data() {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        const auto raga = [](const char *name) { return *std::ranges::find(Catalogue().ragas, name, &RagaEntry::name); };
        const auto cure = [](const char *name) {
            return bytes(std::ranges::find(Catalogue().ailments, name, &AilmentEntry::name)->ragaItHelpCure);
        };
        QTest::newRow("Asavari's time keeps its trailing space") << bytes(raga("Asavari").timeOfPerformance) << QByteArray("Morning ");
        QTest::newRow("Ahir Bhairav: a space after 1), none inside 2)")
            << bytes(raga("Ahir Bhairav").diseaseItHelpCure) << QByteArray("1) Indigestion\r\n2)RheumaticArthritis\r\n3)Hypertension");
        QTest::newRow("Kedar: two ailments on one line") << bytes(raga("Kedar").diseaseItHelpCure)
            << QByteArray("1)Headache\r\n2)Common Cold\r\n3)Cough,Asthma");
        QTest::newRow("Indigestion: trailing space on the last line") << cure("Indigestion")
            << QByteArray("1)Ahir Bhairav\r\n2)Deepak\r\n3)Marwa\r\n4)Nat Bhairav ");
        QTest::newRow("Rheumatic Arthritis: six lines, two ragas on the fifth") << cure("Rheumatic Arthritis")
            << QByteArray("1)Ahir Bhairav\r\n2)Bhairavi\r\n3)Gunakali\r\n4)Hindol\r\n5)Jaijawanti Nat Bhairav\r\n6)Yaman");
        QTest::newRow("Piles: Ramkal, one letter short") << cure("Piles or Hemorrhoids")
            << QByteArray("1)Gunakali\r\n2)Madhuvanti\r\n3)Ramkal");
        QTest::newRow("General illness: Mohana with a trailing space") << cure("All types of General illness") << QByteArray("Mohana ");
    }

    void oddTextsKept() {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void everyTextFollowsTheLineRules() {
        std::vector<std::string_view> texts;
        for (const RagaEntry &raga : Catalogue().ragas)
            texts.insert(texts.end(), {raga.name, raga.diseaseItHelpCure, raga.timeOfPerformance});
        for (const AilmentEntry &ailment : Catalogue().ailments)
            texts.insert(texts.end(), {ailment.name, ailment.ragaItHelpCure});
        for (std::string_view text : texts) {
            const QByteArray value = bytes(text);
            // Printable ASCII; every line break CR LF, none leading or trailing; six lines at most.
            QVERIFY2(!value.isEmpty() && value.size() <= 83, value);
            QVERIFY2(std::ranges::all_of(value, [](char c) { return (c >= 32 && c < 127) || c == '\r' || c == '\n'; }), value);
            QCOMPARE(value.count('\r'), value.count("\r\n"));
            QCOMPARE(value.count('\n'), value.count("\r\n"));
            QVERIFY2(!value.startsWith('\r') && !value.endsWith('\n') && value.count("\r\n") <= 5, value);
        }
    }

    void lookupMatchesWholeNamesOnly_data() {
        QTest::addColumn<QByteArray>("raga");
        QTest::addColumn<QByteArray>("ailment");
        QTest::addColumn<QByteArray>("found"); // what the raga half, then the ailment half, carry
        QTest::newRow("both found, whatever the mode") << QByteArray("Yaman") << QByteArray("Cough")
            << QByteArray("Yaman|Rheumatic Arthritis|Evening||Cough|1)Gujari Todi\r\n2)Kedar\r\n3)Shree\r\n4)Shyam Kalyan");
        QTest::newRow("spaces and parentheses are part of a name") << QByteArray("Puriya Dhanashri")
            << QByteArray("Gall Stones (Cholecystitis)")
            << QByteArray("Puriya Dhanashri|Anaemia|Evening||Gall Stones (Cholecystitis)|1)Basant Bahar\r\n2)Deepak\r\n3)Shudh Sarang");
        QTest::newRow("other case") << QByteArray("yaman") << QByteArray("COUGH") << QByteArray("|||||");
        QTest::newRow("a space too many, a part of a name") << QByteArray("Yaman ") << QByteArray("Sleep") << QByteArray("|||||");
        QTest::newRow("Sleeping Disorder is a raga's text, not an ailment") << QByteArray("Cough")
            << QByteArray("Sleeping Disorder") << QByteArray("|||||");
    }

    void lookupMatchesWholeNamesOnly() {
        QFETCH(QByteArray, raga);
        QFETCH(QByteArray, ailment);
        QFETCH(QByteArray, found);
        for (SearchMode mode : {SearchMode::ByRaga, SearchMode::ByAilment}) {
            const LookupResult result = Lookup(mode, raga.toStdString(), ailment.toStdString());
            QCOMPARE(result.mode, mode);
            const QByteArrayList halves{bytes(result.chosenRaga), bytes(result.diseaseItHelpCure),
                                        bytes(result.timeOfPerformance), QByteArray(),
                                        bytes(result.chosenAilment), bytes(result.ragaItHelpCure)};
            QCOMPARE(halves.join('|'), found);
            QCOMPARE(result.ragaFound, !result.chosenRaga.empty());
            QCOMPARE(result.ailmentFound, !result.chosenAilment.empty());
        }
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
