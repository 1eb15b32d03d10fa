#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

using namespace morvane;

namespace {

CFileInfo RecordNamed(const std::string& name) {
    CFileInfo info = EmptyFileInfo();
    SetFieldText(info.findData.cFileName, name);
    return info;
}

std::vector<std::string> ListingOrder(Catalogue& catalogue) {
    std::vector<std::string> keys;
    Catalogue::Position pos = catalogue.BeforeFirst();
    std::string key;
    while (!pos.IsNone() && catalogue.Step(pos, &key, nullptr)) keys.push_back(key);
    return keys;
}

}  // namespace

TEST(CatalogueHash, MatchesTheListingOrderOfEarlierVersions) {
    EXPECT_EQ(CatalogueHash("disk.iso"), 4031158436u);
    EXPECT_EQ(CatalogueHash("boot.img"), 3706623135u);
    EXPECT_EQ(CatalogueHash("dvd.nrg"), 741155955u);
    EXPECT_EQ(CatalogueHash(""), 0u);
    // Bytes above 0x7F count as negative values.
    EXPECT_EQ(CatalogueHash("\xE0"), static_cast<uint32_t>(-32));
}

TEST(Catalogue, ListsByBucketWhateverTheInsertionOrder) {
    const std::vector<std::vector<std::string>> orders = {
        {"disk.iso", "boot.img", "dvd.nrg"},
        {"dvd.nrg", "disk.iso", "boot.img"},
        {"boot.img", "dvd.nrg", "disk.iso"},
    };
    for (const auto& order : orders) {
        Catalogue catalogue;
        for (const auto& name : order) catalogue.Set(name, RecordNamed(name));
        EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"boot.img", "dvd.nrg", "disk.iso"}));
    }
}

TEST(Catalogue, LaterInsertionComesFirstWithinABucket) {
    // "a" and "r" differ by 17 and share a bucket.
    ASSERT_EQ(CatalogueHash("a") % 17, CatalogueHash("r") % 17);
    Catalogue catalogue;
    catalogue.Set("a", RecordNamed("a"));
    catalogue.Set("r", RecordNamed("r"));
    EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"r", "a"}));
    // Replacing keeps the entry's place.
    catalogue.Set("a", RecordNamed("A"));
    EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"r", "a"}));
    EXPECT_EQ(DisplayNameOf(*catalogue.Find("a")), "A");
    EXPECT_EQ(catalogue.Count(), 2u);
}

TEST(Catalogue, EmptyCatalogueHasNothingToEnumerate) {
    Catalogue catalogue;
    Catalogue::Position pos = catalogue.BeforeFirst();
    EXPECT_TRUE(pos.IsNone());
    EXPECT_FALSE(catalogue.Step(pos, nullptr, nullptr));
    EXPECT_EQ(catalogue.Find("x"), nullptr);
    EXPECT_FALSE(catalogue.Remove("x"));
}

TEST(Catalogue, SingleEntryEndsWithHandleZero) {
    Catalogue catalogue;
    catalogue.Set("disk.iso", RecordNamed("disk.iso"));
    Catalogue::Position pos = catalogue.BeforeFirst();
    ASSERT_TRUE(catalogue.Step(pos, nullptr, nullptr));
    EXPECT_TRUE(pos.IsNone());
    EXPECT_EQ(pos.AsHandle(), 0);
    EXPECT_FALSE(catalogue.Step(pos, nullptr, nullptr));
}

TEST(Catalogue, RebuildOrRemovalEndsAnOpenEnumeration) {
    for (int how = 0; how < 2; ++how) {
        Catalogue catalogue;
        catalogue.Set("disk.iso", RecordNamed("disk.iso"));
        catalogue.Set("boot.img", RecordNamed("boot.img"));
        catalogue.Set("dvd.nrg", RecordNamed("dvd.nrg"));
        Catalogue::Position pos = catalogue.BeforeFirst();
        ASSERT_TRUE(catalogue.Step(pos, nullptr, nullptr));
        if (how == 0) {
            catalogue.Clear();
            catalogue.Set("disk.iso", RecordNamed("disk.iso"));
        } else {
            ASSERT_TRUE(catalogue.Remove("dvd.nrg"));
        }
        EXPECT_FALSE(catalogue.Step(pos, nullptr, nullptr));
        EXPECT_TRUE(pos.IsNone());
    }
}

TEST(Catalogue, RemovingTheLastEntryEmptiesIt) {
    Catalogue catalogue;
    catalogue.Set("x", RecordNamed("x"));
    EXPECT_TRUE(catalogue.Remove("x"));
    EXPECT_EQ(catalogue.Count(), 0u);
    EXPECT_TRUE(catalogue.BeforeFirst().IsNone());
}
