#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

using namespace morvane;

namespace {

// ASCII names, as the tests' keys are.
std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

StoredImage ImageNamed(const std::string& name) {
    StoredImage image{Wide(name), EmptyFileInfo(), std::wstring()};
    SetFieldText(image.record.findData.cFileName, name);
    return image;
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
        for (const auto& name : order) catalogue.Set(name, ImageNamed(name));
        EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"boot.img", "dvd.nrg", "disk.iso"}));
    }
}

TEST(Catalogue, LaterInsertionComesFirstWithinABucket) {
    // "a" and "r" differ by 17 and share a bucket.
    ASSERT_EQ(CatalogueHash("a") % 17, CatalogueHash("r") % 17);
    Catalogue catalogue;
    catalogue.Set("a", ImageNamed("a"));
    catalogue.Set("r", ImageNamed("r"));
    EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"r", "a"}));
    // Replacing keeps the entry's place.
    catalogue.Set("a", ImageNamed("A"));
    EXPECT_EQ(ListingOrder(catalogue), (std::vector<std::string>{"r", "a"}));
    EXPECT_EQ(catalogue.Find("a")->valueName, L"A");
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

TEST(Catalogue, SingleEntryEndsAfterOneStep) {
    Catalogue catalogue;
    catalogue.Set("disk.iso", ImageNamed("disk.iso"));
    Catalogue::Position pos = catalogue.BeforeFirst();
    ASSERT_TRUE(catalogue.Step(pos, nullptr, nullptr));
    EXPECT_TRUE(pos.IsNone());
    EXPECT_FALSE(catalogue.Step(pos, nullptr, nullptr));
}

TEST(Catalogue, RebuildOrRemovalEndsAnOpenEnumeration) {
    for (int how = 0; how < 2; ++how) {
        Catalogue catalogue;
        catalogue.Set("disk.iso", ImageNamed("disk.iso"));
        catalogue.Set("boot.img", ImageNamed("boot.img"));
        catalogue.Set("dvd.nrg", ImageNamed("dvd.nrg"));
        Catalogue::Position pos = catalogue.BeforeFirst();
        ASSERT_TRUE(catalogue.Step(pos, nullptr, nullptr));
        if (how == 0) {
            catalogue.Clear();
            catalogue.Set("disk.iso", ImageNamed("disk.iso"));
        } else {
            ASSERT_TRUE(catalogue.Remove("dvd.nrg"));
        }
        EXPECT_FALSE(catalogue.Step(pos, nullptr, nullptr));
        EXPECT_TRUE(pos.IsNone());
    }
}

TEST(Catalogue, RemovingTheLastEntryEmptiesIt) {
    Catalogue catalogue;
    catalogue.Set("x", ImageNamed("x"));
    EXPECT_TRUE(catalogue.Remove("x"));
    EXPECT_EQ(catalogue.Count(), 0u);
    EXPECT_TRUE(catalogue.BeforeFirst().IsNone());
}

TEST(Catalogue, FindsExactlyWhatItListsAfterRemovalsAndRebuilds) {
    enum class Action { Set, Remove, Clear };
    struct Step {
        Action action;
        const char* key;
        std::vector<std::string> listing;
    };
    // "a" and "r" share a bucket; "b" has the next one.
    const Step steps[] = {
        {Action::Set, "a", {"a"}},
        {Action::Set, "r", {"r", "a"}},
        {Action::Set, "b", {"r", "a", "b"}},
        {Action::Remove, "r", {"a", "b"}},
        {Action::Set, "r", {"r", "a", "b"}},
        {Action::Set, "a", {"r", "a", "b"}},
        {Action::Remove, "a", {"r", "b"}},
        {Action::Remove, "b", {"r"}},
        {Action::Remove, "r", {}},
        {Action::Set, "b", {"b"}},
        {Action::Clear, "", {}},
        {Action::Set, "a", {"a"}},
    };
    Catalogue catalogue;
    for (size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        if (step.action == Action::Set) {
            catalogue.Set(step.key, ImageNamed(step.key));
        } else if (step.action == Action::Remove) {
            EXPECT_TRUE(catalogue.Remove(step.key));
        } else {
            catalogue.Clear();
        }
        EXPECT_EQ(ListingOrder(catalogue), step.listing);
        EXPECT_EQ(catalogue.Count(), step.listing.size());
        for (const std::string key : {"a", "r", "b"}) {
            const bool listed = std::find(step.listing.begin(), step.listing.end(), key) != step.listing.end();
            const StoredImage* found = catalogue.Find(key);
            EXPECT_EQ(found != nullptr, listed) << key;
            EXPECT_EQ(found ? found->valueName : Wide(key), Wide(key));
        }
    }
}
