#pragma once

// A Qt Test table with a row for every section of the catalogue and for its variant, if it
// has one: the section's key and whether the variant is chosen.

#include "catalogue.h"

#include <QTest>

inline void addEverySection()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("variant");
    for (const velkor::SectionEntry& entry : velkor::Catalogue())
        for (const bool variant : {false, true})
            if (!variant || entry.variant)
                QTest::addRow("%s%s", entry.key.data(), variant ? ", variant" : "")
                    << QString::fromLatin1(entry.key.data(), qsizetype(entry.key.size()))
                    << variant;
}
