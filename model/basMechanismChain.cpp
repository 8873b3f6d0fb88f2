#include "model/basMechanismChain.h"

namespace {

// Keeps the chain's spare element: Mechanisms has the bounds 0 to count.
void ResizeChain(AxisRec& axis, int16_t count)
{
    axis.Mechanisms.resize(static_cast<size_t>(count) + 1);
    axis.NumberOfMechanisms = count;
}

// Count + 1, the new last mechanism an initialised one of the type.
void GrowChain(AxisRec& axis, int16_t mechanismType)
{
    ResizeChain(axis, static_cast<int16_t>(axis.NumberOfMechanisms + 1));
    SubInitMechRecord(axis.Mechanisms[axis.NumberOfMechanisms - 1], mechanismType);
}

void InsertIntoChain(AxisRec& axis, int16_t mechanismType, int16_t position)
{
    const int16_t count = axis.NumberOfMechanisms;
    if (position < 0 || position > count - 1) {
        GrowChain(axis, mechanismType);
        return;
    }
    GrowChain(axis, MechanismType::None);
    for (int16_t j = count; j > position; --j) SubCopyMechRecord(axis.Mechanisms[j - 1], axis.Mechanisms[j]);
    SubInitMechRecord(axis.Mechanisms[position], mechanismType);
}

void RemoveFromChain(AxisRec& axis, int16_t index)
{
    const int16_t count = axis.NumberOfMechanisms;
    for (int16_t j = index; j < count - 1; ++j) SubCopyMechRecord(axis.Mechanisms[j + 1], axis.Mechanisms[j]);
    ResizeChain(axis, static_cast<int16_t>(count - 1));
}

MechRec* Mechanism(int16_t axisId, int16_t index)
{
    AxisRec* axis = model::FindAxis(axisId);
    return axis ? model::ChainMechanism(*axis, index) : nullptr;
}

} // namespace

void SubAppendMechanism(int16_t axisId, int16_t mechanismType)
{
    if (AxisRec* axis = model::FindAxis(axisId)) GrowChain(*axis, mechanismType);
}

void SubInsertMechanism(int16_t axisId, int16_t mechanismType, int16_t position)
{
    if (AxisRec* axis = model::FindAxis(axisId)) InsertIntoChain(*axis, mechanismType, position);
}

void SubDeleteMechanism(int16_t axisId, int16_t index)
{
    AxisRec* axis = model::FindAxis(axisId);
    const MechRec* cut = axis ? model::ChainMechanism(*axis, index) : nullptr;
    if (cut == nullptr) return;
    SubStoreMechanismBuffer(*cut);
    RemoveFromChain(*axis, index);
}

int16_t nFctSetMechanismType(int16_t axisId, int16_t mechanismType, int16_t index)
{
    MechRec* mech = Mechanism(axisId, index);
    if (mech == nullptr) return model::kFalse;
    SubInitMechRecord(*mech, mechanismType);
    return model::kTrue;
}

int16_t nFctSetMechanism(int16_t axisId, int16_t index, const MechRec& rec)
{
    MechRec* mech = Mechanism(axisId, index);
    if (mech == nullptr) return model::kFalse;
    SubCopyMechRecord(rec, *mech);
    return model::kTrue;
}

void SubCopyMechanismToBuffer(int16_t axisId, int16_t index)
{
    const MechRec* mech = Mechanism(axisId, index);
    if (mech == nullptr) return;
    MechRec copy;
    SubCopyMechRecord(*mech, copy);
    SubStoreMechanismBuffer(copy);
}

void SubClearMechanismBuffer()
{
    gMechBuffer.Identifier = MechanismType::None;
    gMechBuffer.Manufacturer.clear();
    gMechBuffer.ProductKey.clear();
    gMechBuffer.DataNumber = 0;
    for (ParamRec& entry : gMechBuffer.MechanismData) {
        entry = ParamRec{};
        entry.UnitType = -1;
        entry.UnitID = -1;
        entry.Status = 1;
    }
}

void SubStoreMechanismBuffer(const MechRec& rec)
{
    SubCopyMechRecord(rec, gMechBuffer);
}

void SubReadMechanismBuffer(MechRec& rec)
{
    SubCopyMechRecord(gMechBuffer, rec);
}

void SubGetMechanismBuffer(MechRec& rec)
{
    SubReadMechanismBuffer(rec);
}

int16_t nFctGetMechBufferType()
{
    return gMechBuffer.Identifier;
}
