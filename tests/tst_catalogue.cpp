// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

// The catalogue: plain C++, tested without any window.
#include "RemedyCatalogue.h"

#include <QCryptographicHash>
#include <QTest>

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextAsPublished()
    {
        // Every name and text of both tables in table order, each closed by a NUL: a changed
        // letter, a lost space or line break, or two rows swapped changes the digest.
        QByteArray all;
        for (const RagaEntry &raga : Catalogue().ragas)
            for (std::string_view text :
                 {raga.name, raga.diseaseItHelpCure, raga.timeOfPerformance})
                all.append(text.data(), qsizetype(text.size())).append('\0');
        for (const AilmentEntry &ailment : Catalogue().ailments)
            for (std::string_view text : {ailment.name, ailment.ragaItHelpCure})
                all.append(text.data(), qsizetype(text.size())).append('\0');
        QCOMPARE(QCryptographicHash::hash(all, QCryptographicHash::Sha256).toHex(),
                 "27283de95ff7e5df1b6252ca27bfe370a0b631578620e0773f1f271f43370cd4");
        // And the texts that are easiest to tidy by mistake, where a failure names them.
        QVERIFY(all.contains(QByteArray("Asavari\0Builds Confidence\0Morning \0", 35)));
        QVERIFY(all.contains(QByteArray("Kedar\0"
                                        "1)Headache\r\n2)Common Cold\r\n3)Cough,Asthma\0",
                                        48)));
        QVERIFY(all.contains(QByteArray("All types of General illness\0Mohana \0", 37)));
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
