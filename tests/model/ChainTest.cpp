#include "AxisDataFixture.h"

#include "model/basAxisAccessors.h"
#include "model/basMechanismChain.h"

namespace model_test {
namespace {

class Chain : public AxisModelTest {
protected:
    void SetUp() override
    {
        AxisModelTest::SetUp();
        AddLengthRows(MechanismType::BeltPulley, 13);
        AddLengthRows(MechanismType::Gearbox, 2);
        AddLengthRows(MechanismType::Leadscrew, 4);
        SubAddAxis(1);
        SubAddAxis(2);
    }

    // Appends a mechanism whose entry 0 holds the marker value.
    void AppendMarked(int16_t axis, int16_t type, double marker, const std::string& maker = "")
    {
        SubAppendMechanism(axis, type);
        const int16_t last = static_cast<int16_t>(nFctGetMechanismCount(axis) - 1);
        SubSetMechanismParameterValue(axis, last, 0, marker);
        SubSetMechanismManufacturer(axis, last, maker);
    }

    // The chain of axis 1 as (type, marker) pairs.
    std::vector<std::pair<int16_t, double>> ChainOf(int16_t axis)
    {
        std::vector<std::pair<int16_t, double>> chain;
        const AxisRec& a = gAxis[nFctFindAxisIndex(axis)];
        for (int16_t i = 0; i < a.NumberOfMechanisms; ++i)
            chain.emplace_back(a.Mechanisms[i].Identifier, a.Mechanisms[i].MechanismData[0].Data);
        EXPECT_EQ(a.Mechanisms.size(), static_cast<size_t>(a.NumberOfMechanisms) + 1);  // spare kept
        return chain;
    }

    using Links = std::vector<std::pair<int16_t, double>>;
    static constexpr int16_t G = MechanismType::Gearbox, B = MechanismType::BeltPulley,
                             L = MechanismType::Leadscrew;
};

TEST_F(Chain, AppendInitialisesTheNewMechanismFromTheControlTable)
{
    SubAppendMechanism(1, MechanismType::Leadscrew);
    ASSERT_EQ(nFctGetMechanismCount(1), 1);
    const MechRec& m = gAxis[0].Mechanisms[0];
    EXPECT_EQ(m.Identifier, L);
    EXPECT_EQ(m.DataNumber, 4);
    EXPECT_EQ(m.TextID, 10);
    SubAppendMechanism(7, L);  // absent axis
    EXPECT_EQ(nFctGetMechanismCount(1), 1);
}

TEST_F(Chain, InsertAtFirstMiddleAndInvalidPositions)
{
    struct Case { int16_t position; Links expected; };
    const Case cases[] = {
        {0, {{L, 0}, {B, 1}, {G, 2}, {B, 3}}},
        {1, {{B, 1}, {L, 0}, {G, 2}, {B, 3}}},
        {2, {{B, 1}, {G, 2}, {L, 0}, {B, 3}}},  // before the last one
        {3, {{B, 1}, {G, 2}, {B, 3}, {L, 0}}},  // past the last: append
        {5, {{B, 1}, {G, 2}, {B, 3}, {L, 0}}},
        {-1, {{B, 1}, {G, 2}, {B, 3}, {L, 0}}},
    };
    for (const Case& c : cases) {
        SubResetAllAxes();
        SubAddAxis(1);
        AppendMarked(1, B, 1);
        AppendMarked(1, G, 2);
        AppendMarked(1, B, 3);
        SubInsertMechanism(1, L, c.position);
        EXPECT_EQ(ChainOf(1), c.expected) << "position " << c.position;
    }
    SubAddAxis(2);
    SubInsertMechanism(2, G, 0);  // empty chain: append
    EXPECT_EQ(ChainOf(2), (Links{{G, 0}}));
}

TEST_F(Chain, DeleteIsACutAtFirstMiddleAndLastPosition)
{
    struct Case { int16_t index; Links expected; double cut; };
    const Case cases[] = {
        {0, {{G, 2}, {B, 3}}, 1},
        {1, {{B, 1}, {B, 3}}, 2},
        {2, {{B, 1}, {G, 2}}, 3},
    };
    for (const Case& c : cases) {
        SubResetAllAxes();
        SubAddAxis(1);
        AppendMarked(1, B, 1, "first");
        AppendMarked(1, G, 2, "second");
        AppendMarked(1, B, 3, "third");
        SubDeleteMechanism(1, c.index);
        EXPECT_EQ(ChainOf(1), c.expected) << "index " << c.index;
        EXPECT_EQ(gMechBuffer.MechanismData[0].Data, c.cut);
    }
}

TEST_F(Chain, DeletingTheOnlyMechanismLeavesItWholeInTheBuffer)
{
    AppendMarked(1, L, 0.2, "Screws Inc");
    SubSetMechanismProductKey(1, 0, "LS-10");
    SubSetMechanismParameterValue(1, 0, 3, 5.0);
    SubDeleteMechanism(1, 0);
    EXPECT_EQ(nFctGetMechanismCount(1), 0);
    EXPECT_EQ(gAxis[0].Mechanisms.size(), 1u);
    EXPECT_EQ(nFctGetMechBufferType(), L);
    MechRec buffered;
    SubGetMechanismBuffer(buffered);
    EXPECT_EQ(buffered.Manufacturer, "Screws Inc");
    EXPECT_EQ(buffered.ProductKey, "LS-10");
    EXPECT_EQ(buffered.MechanismData[0].Data, 0.2);
    EXPECT_EQ(buffered.MechanismData[3].Data, 5.0);

    SubDeleteMechanism(1, 0);  // nothing left to delete: ignored
    EXPECT_EQ(nFctGetMechBufferType(), L);
}

TEST_F(Chain, ReplaceByTypeKeepsTheLengthAndEmptiesTheMechanism)
{
    AppendMarked(1, B, 1, "Belts");
    AppendMarked(1, G, 2);
    EXPECT_EQ(nFctSetMechanismType(1, L, 0), -1);
    EXPECT_EQ(ChainOf(1), (Links{{L, 0}, {G, 2}}));
    EXPECT_EQ(gAxis[0].Mechanisms[0].Manufacturer, "");
    EXPECT_EQ(gAxis[0].Mechanisms[0].DataNumber, 4);
    EXPECT_EQ(gAxis[0].Mechanisms[0].TextID, 10);
    EXPECT_EQ(nFctSetMechanismType(1, L, 2), 0);
    EXPECT_EQ(nFctSetMechanismType(1, L, -1), 0);
    EXPECT_EQ(ChainOf(1), (Links{{L, 0}, {G, 2}}));
}

TEST_F(Chain, CopyAndPasteAcrossAxesKeepsAllThirteenValues)
{
    SubAppendMechanism(1, B);
    for (int16_t k = 0; k < 13; ++k) SubSetMechanismParameterValue(1, 0, k, 10.0 + k);
    SubCopyMechanismToBuffer(1, 0);
    EXPECT_EQ(nFctGetMechanismCount(1), 1);  // a copy leaves the chain

    // Paste into the other axis: create the buffered type, then store the buffer.
    MechRec buffered;
    SubReadMechanismBuffer(buffered);
    SubAppendMechanism(2, nFctGetMechBufferType());
    EXPECT_EQ(nFctSetMechanism(2, 0, buffered), -1);
    for (int k = 0; k < 13; ++k) EXPECT_EQ(gAxis[1].Mechanisms[0].MechanismData[k].Data, 10.0 + k);
    EXPECT_EQ(nFctSetMechanism(2, 1, buffered), 0);  // past the last

    SubResetAllAxes();  // the buffer outlives the application
    EXPECT_EQ(nFctGetMechBufferType(), B);
    SubCopyMechanismToBuffer(1, 0);  // absent axis: buffer unchanged
    EXPECT_EQ(nFctGetMechBufferType(), B);
}

TEST_F(Chain, ClearedBuffer)
{
    SubAppendMechanism(1, L);
    SubCopyMechanismToBuffer(1, 0);
    gMechBuffer.MechResult[0].Value = 3.0;
    SubClearMechanismBuffer();
    EXPECT_EQ(nFctGetMechBufferType(), -1);
    EXPECT_EQ(gMechBuffer.DataNumber, 0);
    EXPECT_EQ(gMechBuffer.TextID, 10);              // not changed by clearing
    EXPECT_EQ(gMechBuffer.MechResult[0].Value, 3.0);
    for (const ParamRec& e : gMechBuffer.MechanismData) {
        EXPECT_EQ(e.UnitType, -1);
        EXPECT_EQ(e.UnitID, -1);
        EXPECT_EQ(e.Status, 1);
        EXPECT_EQ(e.TextID, 0);
        EXPECT_EQ(e.UnitText, "");
    }
}

} // namespace
} // namespace model_test
