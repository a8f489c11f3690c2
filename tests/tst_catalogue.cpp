// The catalogue and its lookup: plain C++, tested without any window.
#include "Lookup.h"
#include "RemedyCatalogue.h"

#include <QTest>

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray lines(std::initializer_list<const char *> parts)
{
    QByteArrayList list;
    for (const char *part : parts)
        list.append(part);
    return list.join("\r\n");
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void namesInTableOrder();
    void textsKeptExactly_data();
    void textsKeptExactly();
    void everyTextFollowsTheLineRules();
    void namesAreUniqueAndFindTheirRow();

    void lookupMatchesWholeNamesOnly_data();
    void lookupMatchesWholeNamesOnly();
    void lookupFillsBothHalvesWhateverTheMode_data();
    void lookupFillsBothHalvesWhateverTheMode();
};

void CatalogueTest::namesInTableOrder()
{
    const auto ragas = RagaNames();
    QCOMPARE(ragas.size(), size_t(37));
    QCOMPARE(bytes(ragas.front()), "Ahir Bhairav");
    QCOMPARE(bytes(ragas.back()), "Yaman");
    const auto ailments = AilmentNames();
    QCOMPARE(ailments.size(), size_t(29));
    QCOMPARE(bytes(ailments.front()), "Indigestion");
    QCOMPARE(bytes(ailments.back()), "Pregnancy");

    // The order is the data's own, not alphabetical.
    const auto at = [](const auto &names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    QCOMPARE(at(ragas, "Jaunpuri") + 1, at(ragas, "Jaijawanti"));
    QCOMPARE(at(ragas, "Malkauns") + 1, at(ragas, "Malhar"));
    QCOMPARE(at(ragas, "Sohani") + 1, at(ragas, "Shyam Kalyan"));
    QCOMPARE(at(ailments, "Indigestion"), 0);
    QCOMPARE(at(ailments, "Rheumatic Arthritis"), 1);
    QCOMPARE(at(ailments, "All types of General illness"), 25);
}

void CatalogueTest::textsKeptExactly_data()
{
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");

    const auto disease = [](const char *raga) { return bytes(FindRaga(raga)->diseaseItHelpCure); };
    const auto time = [](const char *raga) { return bytes(FindRaga(raga)->timeOfPerformance); };
    const auto cure = [](const char *ailment) { return bytes(FindAilment(ailment)->ragaItHelpCure); };

    QTest::newRow("Asavari keeps its trailing space") << time("Asavari") << QByteArray("Morning ");
    QTest::newRow("Ahir Bhairav's time has none") << time("Ahir Bhairav") << QByteArray("Morning");
    QTest::newRow("Ahir Bhairav: space after the parenthesis, none in the name")
        << disease("Ahir Bhairav") << lines({"1) Indigestion", "2)RheumaticArthritis", "3)Hypertension"});
    QTest::newRow("Kedar: two ailments on one line")
        << disease("Kedar") << lines({"1)Headache", "2)Common Cold", "3)Cough,Asthma"});
    QTest::newRow("Shree: two ailments on one line")
        << disease("Shree") << lines({"1)Anorexia", "2)Common Cold", "3)Cough,Asthma"});
    QTest::newRow("Deepak: no space before the parenthesis")
        << disease("Deepak")
        << lines({"1)Indigestion", "2)Anorexia", "3)Hyperacidity", "4)Gall Stones(Cholecystitis)"});
    QTest::newRow("Ramkali: comma after the parenthesis")
        << disease("Ramkali") << lines({"1)Colitis", "2),Piles or Hemorrhoids"});
    QTest::newRow("Neelambari words it differently") << disease("Neelambari") << QByteArray("Sleeping Disorder");
    QTest::newRow("Indigestion: trailing space on the last line")
        << cure("Indigestion") << lines({"1)Ahir Bhairav", "2)Deepak", "3)Marwa", "4)Nat Bhairav "});
    QTest::newRow("Rheumatic Arthritis: six lines, two ragas on the fifth")
        << cure("Rheumatic Arthritis")
        << lines({"1)Ahir Bhairav", "2)Bhairavi", "3)Gunakali", "4)Hindol", "5)Jaijawanti Nat Bhairav",
                  "6)Yaman"});
    QTest::newRow("Depression: trailing comma") << cure("Depression") << QByteArray("Brindabani Sarang,");
    QTest::newRow("Headache: two ragas run together")
        << cure("Headache") << lines({"1)Darbari Kanada", "2)Gunakali", "3)JaijawantiKedar", "4)Sohani"});
    QTest::newRow("Piles: Ramkal, one letter short")
        << cure("Piles or Hemorrhoids") << lines({"1)Gunakali", "2)Madhuvanti", "3)Ramkal"});
    QTest::newRow("General illness: Mohana with a trailing space")
        << cure("All types of General illness") << QByteArray("Mohana ");
    QTest::newRow("Asthma names Darbari Kanada, whose own row does not")
        << cure("Asthma") << lines({"1)Darbari Kanada", "2)Kedar", "3)Malhar", "4)Shree", "5)Shyam Kalyan"});
    QTest::newRow("Cough") << cure("Cough") << lines({"1)Gujari Todi", "2)Kedar", "3)Shree", "4)Shyam Kalyan"});
}

void CatalogueTest::textsKeptExactly()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual, expected);
}

void CatalogueTest::everyTextFollowsTheLineRules()
{
    std::vector<std::string_view> texts;
    for (const RagaEntry &raga : Catalogue().ragas)
        texts.insert(texts.end(), {raga.name, raga.diseaseItHelpCure, raga.timeOfPerformance});
    for (const AilmentEntry &ailment : Catalogue().ailments)
        texts.insert(texts.end(), {ailment.name, ailment.ragaItHelpCure});

    const QByteArray longest = bytes(FindAilment("Rheumatic Arthritis")->ragaItHelpCure);
    QCOMPARE(longest.size(), 83);
    for (std::string_view text : texts) {
        const QByteArray value = bytes(text);
        QVERIFY2(!value.isEmpty(), value);
        for (char c : value)
            QVERIFY2((c >= 32 && c < 127) || c == '\r' || c == '\n', value);
        // Every line break is CR LF; none leads or trails.
        QCOMPARE(value.count('\r'), value.count("\r\n"));
        QCOMPARE(value.count('\n'), value.count("\r\n"));
        QVERIFY2(!value.startsWith('\r') && !value.endsWith('\n'), value);
        QVERIFY2(value.count("\r\n") <= 5, value);
        QVERIFY2(value.size() <= longest.size(), value);
    }
}

void CatalogueTest::namesAreUniqueAndFindTheirRow()
{
    for (const RagaEntry &raga : Catalogue().ragas)
        QCOMPARE(FindRaga(raga.name), &raga);
    for (const AilmentEntry &ailment : Catalogue().ailments)
        QCOMPARE(FindAilment(ailment.name), &ailment);
}

void CatalogueTest::lookupMatchesWholeNamesOnly_data()
{
    QTest::addColumn<QByteArray>("raga");
    QTest::addColumn<QByteArray>("ailment");
    QTest::addColumn<bool>("ragaFound");
    QTest::addColumn<bool>("ailmentFound");

    QTest::newRow("exact names") << QByteArray("Yaman") << QByteArray("Cough") << true << true;
    QTest::newRow("names with spaces and parentheses")
        << QByteArray("Puriya Dhanashri") << QByteArray("Gall Stones (Cholecystitis)") << true << true;
    QTest::newRow("other case") << QByteArray("yaman") << QByteArray("COUGH") << false << false;
    QTest::newRow("trailing space") << QByteArray("Yaman ") << QByteArray("Cough ") << false << false;
    QTest::newRow("leading space") << QByteArray(" Yaman") << QByteArray(" Cough") << false << false;
    QTest::newRow("empty") << QByteArray() << QByteArray() << false << false;
    QTest::newRow("a part of a name") << QByteArray("Darbari Kanad") << QByteArray("Sleep") << false << false;
    QTest::newRow("Sleeping Disorder is no ailment")
        << QByteArray("Neelambari") << QByteArray("Sleeping Disorder") << true << false;
    QTest::newRow("a raga in the ailment list") << QByteArray("Cough") << QByteArray("Yaman") << false << false;
    QTest::newRow("non-ASCII text") << QByteArray("Yamán") << QByteArray("Cough\xc2\xa0") << false << false;
}

void CatalogueTest::lookupMatchesWholeNamesOnly()
{
    QFETCH(QByteArray, raga);
    QFETCH(QByteArray, ailment);
    QFETCH(bool, ragaFound);
    QFETCH(bool, ailmentFound);

    const LookupResult result = Lookup(SearchMode::ByRaga, raga.toStdString(), ailment.toStdString());
    QCOMPARE(result.ragaFound, ragaFound);
    QCOMPARE(result.ailmentFound, ailmentFound);
    if (!ragaFound) {
        QVERIFY(result.chosenRaga.empty() && result.diseaseItHelpCure.empty()
                && result.timeOfPerformance.empty());
    }
    if (!ailmentFound)
        QVERIFY(result.chosenAilment.empty() && result.ragaItHelpCure.empty());
}

void CatalogueTest::lookupFillsBothHalvesWhateverTheMode_data()
{
    QTest::addColumn<SearchMode>("mode");
    QTest::newRow("by raga") << SearchMode::ByRaga;
    QTest::newRow("by ailment") << SearchMode::ByAilment;
}

void CatalogueTest::lookupFillsBothHalvesWhateverTheMode()
{
    QFETCH(SearchMode, mode);
    const LookupResult result = Lookup(mode, "Yaman", "Cough");
    QCOMPARE(result.mode, mode);
    QVERIFY(result.ragaFound);
    QCOMPARE(QByteArray::fromStdString(result.chosenRaga), "Yaman");
    QCOMPARE(QByteArray::fromStdString(result.diseaseItHelpCure), "Rheumatic Arthritis");
    QCOMPARE(QByteArray::fromStdString(result.timeOfPerformance), "Evening");
    QVERIFY(result.ailmentFound);
    QCOMPARE(QByteArray::fromStdString(result.chosenAilment), "Cough");
    QCOMPARE(QByteArray::fromStdString(result.ragaItHelpCure),
             lines({"1)Gujari Todi", "2)Kedar", "3)Shree", "4)Shyam Kalyan"}));
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
