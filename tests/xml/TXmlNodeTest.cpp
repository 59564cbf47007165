#include "xml/TXmlNode.h"
#include "xml/TDate.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

std::unique_ptr<TXmlNode> Named(TXmlNode* parent, const std::string& name) {
    auto n = std::make_unique<TXmlNode>(parent);
    n->Name = name;
    return n;
}

} // namespace

TEST(TXmlNode, ChildLookupExchangeAndRemoval) {
    TXmlNode root;
    EXPECT_EQ(root.GetChild("x"), nullptr);
    EXPECT_EQ(root.ChildCount(), 0);
    TXmlNode* first = root.AddNewChild("x", "1");
    TXmlNode* second = root.AddNewChild("x", "2");
    EXPECT_EQ(root.GetChild("x"), first);
    root.ExchangeChildren(0, 1);
    EXPECT_EQ(root.GetChild("x"), second);
    EXPECT_EQ(second->Index(), 0);
    EXPECT_EQ(first->Index(), 1);
    root.ExchangeChildren(1, 1);
    root.ExchangeChildren(0, 2);
    root.ExchangeChildren(-1, 0);
    EXPECT_EQ(root.GetChildAt(0), second);
    EXPECT_EQ(root.GetChildAt(2), nullptr);
    EXPECT_EQ(root.GetChildAt(-1), nullptr);
    EXPECT_EQ(root.IndexOfChild("y"), -1);
    // Removal renumbers, keeps the parent and the container mark.
    TXmlNode list;
    TXmlNode* a = list.AddNewChild("a");
    TXmlNode* b = list.AddNewChild("b");
    TXmlNode* c = list.AddNewChild("c");
    std::unique_ptr<TXmlNode> removed = list.RemoveChild(b);
    ASSERT_EQ(removed.get(), b);
    EXPECT_EQ(removed->Parent(), &list);
    EXPECT_EQ(a->Index(), 0);
    EXPECT_EQ(c->Index(), 1);
    TXmlNode stranger;
    EXPECT_EQ(list.RemoveChild(&stranger), nullptr);
    EXPECT_EQ(list.ChildCount(), 2);
    list.RemoveChild(a);
    list.RemoveChild(c);
    EXPECT_TRUE(list.HasChildren());
    EXPECT_EQ(list.ChildCount(), 0);
}

TEST(TXmlNode, AddChildSetsLevelsOfTheWholeSubtree) {
    TXmlNode root;
    auto branch = Named(&root, "branch");
    TXmlNode* leaf = branch->AddNewChild("leaf");
    EXPECT_EQ(leaf->Level(), 1);
    TXmlNode* raw = branch.get();
    EXPECT_EQ(root.AddChild(std::move(branch)), 0);
    EXPECT_EQ(raw->Level(), 1);
    EXPECT_EQ(leaf->Level(), 2);
}

TEST(TXmlNode, AttributesReplaceInPlaceAndRenumber) {
    TXmlNode n;
    EXPECT_EQ(n.SetAttribute("id", "1"), 0);
    EXPECT_EQ(n.SetAttribute("name", "x"), 1);
    EXPECT_EQ(n.SetAttribute("id", "2"), 0);
    ASSERT_EQ(n.AttributeCount(), 2);
    EXPECT_EQ(n.GetAttribute("id")->Value, "2");
    EXPECT_EQ(n.GetAttributeAt(0)->Name, "id");
    n.RemoveAttributeAt(0);
    EXPECT_EQ(n.GetAttribute("name")->Index, 0);
    n.RemoveAttributeAt(5);
    TXmlAttribute* name = n.GetAttribute("name");
    n.RemoveAttribute(name);
    EXPECT_EQ(n.AttributeCount(), 0);
    EXPECT_EQ(n.GetAttribute("name"), nullptr);
    // Pairs from elsewhere may repeat a name: the later value wins in place.
    n.SetAttribute("b", "0");
    const char* pairs[] = {"a", "1", "b", "2", "a", "3", nullptr};
    n.SetAttributes(pairs);
    ASSERT_EQ(n.AttributeCount(), 2);
    EXPECT_EQ(n.GetAttributeAt(0)->Value, "2");
    EXPECT_EQ(n.GetAttributeAt(1)->Value, "3");
    EXPECT_EQ(n.GetAttributeAt(1)->Index, 1);
    EXPECT_EQ(n.AttributeValue("c", "-"), "-");
    n.SetAttributes(nullptr);
    EXPECT_EQ(n.AttributeCount(), 2);
}

// Text is stored with numeric references only; C1 controls, stray bytes
// and characters XML forbids are dropped both ways.
TEST(TXmlNode, TextIsStoredWithNumericReferencesAndDecodedBack) {
    const std::pair<const char*, const char*> stored[] = {
        {"Smith's 50% <b>", "Smith&#39;s 50&#37; &#60;b&#62;"},
        {"a\tb\r\nc", "abc"},
        {"a:b@c_d!e&f", "a&#58;b&#64;c&#95;d&#33;e&#38;f"},
        {"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "Caf&#233; &#8364; &#128512;"},
        {"a\xC2\x85z\xFF\xEF\xBF\xBE", "az"}};
    TXmlNode n;
    for (const auto& [text, encoded] : stored) {
        n.SetText(text);
        EXPECT_EQ(n.Text, encoded);
    }
    for (const char* text : {"Smith's 50% <b>", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"}) {
        n.SetText(text);
        EXPECT_EQ(n.GetText(), text);
    }
    // Named references are read; broken and non-numeric ones end or drop.
    const std::pair<const char*, const char*> decoded[] = {
        {"Tom &amp; Jerry", "Tom & Jerry"},
        {"x&apos;y", "xy"},
        {"a&b", "a"},
        {"&lt;&gt;&quot;&#9;&#65;&#x41;", "<>\"A"},
        {"&#99999999999;z", "z"},
        {"&#133;&#65534;&#55296;", ""}};
    for (const auto& [text, read] : decoded) {
        n.Text = text;
        EXPECT_EQ(n.GetText(), read) << text;
    }
}

TEST(TXmlNode, TypedReads) {
    // Text, integer, decimal (nullopt: refused). The integer is read from the
    // stored text, where "+" is a reference: "+5" is no integer.
    const std::tuple<const char*, int32_t, std::optional<double>> cases[] = {
        {"12", 12, 12},
        {"", 0, 0},
        {"1.5", 0, 1.5},
        {"+5", 0, 5},
        {"-7", -7, -7},
        {"3,25", 0, 3.25},
        {"abc", 0, std::nullopt},
        {"2,5,1", 0, std::nullopt},
        {"1.5.2", 0, std::nullopt},
        {"nan", 0, std::nullopt}};
    TXmlNode n;
    for (const auto& [text, integer, decimal] : cases) {
        n.SetText(text);
        EXPECT_EQ(n.AsInteger(), integer) << text;
        if (decimal)
            EXPECT_DOUBLE_EQ(n.AsDecimal(), *decimal) << text;
        else
            EXPECT_THROW(n.AsDecimal(), TConversionError) << text;
    }
    n.SetText("11/04/2008");
    EXPECT_EQ(n.AsDate(), (TDate{2008, 11, 4}));
    for (const char* bad : {"13/01/2008", "02/30/2008"}) {
        n.SetText(bad);
        EXPECT_THROW(n.AsDate(), TConversionError) << bad;
    }
}

TEST(TXmlNode, CopyNodeMakesAnExactDeepCopyUnderDest) {
    TXmlNode source;
    source.Name = "party";
    source.SetAttribute("id", "7");
    source.SetAttribute("x", "y");
    TXmlNode* inner = source.AddNewChild("leaders");
    inner->AddNewChild("leader", "Ann");
    TXmlNode parent;
    TXmlNode* dest = parent.AddNewChild("old");
    dest->AddNewChild("junk");
    dest->SetAttribute("gone", "1");
    TXmlNode::CopyNode(dest, &source);
    EXPECT_EQ(dest->Name, "party");
    ASSERT_EQ(dest->AttributeCount(), 2);
    EXPECT_EQ(dest->GetAttributeAt(1)->Value, "y");
    ASSERT_EQ(dest->ChildCount(), 1);
    TXmlNode* leaders = dest->GetChild("leaders");
    ASSERT_NE(leaders, nullptr);
    EXPECT_EQ(leaders->Parent(), dest);
    EXPECT_EQ(leaders->Level(), 2);
    EXPECT_EQ(leaders->GetChild("leader")->Level(), 3);
    EXPECT_EQ(leaders->GetChild("leader")->GetText(), "Ann");
    EXPECT_EQ(dest->Index(), 0);
}

TEST(TXmlNode, FindNodeSearchesItselfThenDepthFirst) {
    TXmlNode root;
    root.Name = "r";
    TXmlNode* a = root.AddNewChild("a");
    TXmlNode* deep = a->AddNewChild("b");
    deep->SetAttribute("id", "7");
    TXmlNode* later = root.AddNewChild("c");
    later->SetAttribute("id", "7");
    EXPECT_EQ(root.FindNode("", "id", "7"), deep);
    EXPECT_EQ(root.FindNode("c", "id", "7"), later);
    EXPECT_EQ(root.FindChild("", "id", "7"), later);
    EXPECT_EQ(root.FindNode("x", "id", "7"), nullptr);
    root.SetAttribute("id", "7");
    EXPECT_EQ(root.FindNode("", "id", "7"), &root);
}
