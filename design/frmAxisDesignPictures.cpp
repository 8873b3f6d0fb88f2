// The picture row of the axis design window: the motor on the left, then
// one picture per mechanism in chain order, each overlapping its left
// neighbour by 2 pixels, all as high as the motor.
#include "design/frmAxisDesign.h"

#include "foundation/basAppPaths.h"
#include "model/basAxisData.h"
#include "platform/qt/ImageControl.h"

#include <QApplication>
#include <QFrame>

#include <array>

namespace {

// The margin around the motor and the overlap of neighbouring pictures.
constexpr int kMargin = 6;
constexpr int kOverlap = 2;
constexpr const char* kMotorPicture = "RotaryMotor1.BMP";

QString ImageFile(const QString& name)
{
    return QString::fromStdString(gsImagePath) + name;
}

// The pictures of a mechanism type: base name and the variant of each
// level; alternate codes share their base type's pictures.
struct PictureFiles {
    int16_t type;
    int16_t alternate;
    const char* base;
    char levelTrue;
    char levelFalse;
};
constexpr std::array<PictureFiles, 11> kPictureFiles{{
    {MechanismType::BeltPulley, 50, "BeltPulley", '1', '2'},
    {MechanismType::Conveyor, 51, "Conveyor", '2', '1'},
    {MechanismType::Coupling, 64, "Coupling", '2', '1'},
    {MechanismType::Disk, 52, "Disk", '2', '1'},
    {MechanismType::Gearbox, -1, "Gearbox", '2', '1'},
    {MechanismType::Leadscrew, 53, "Leadscrew", '2', '1'},
    {MechanismType::RackPinion, 54, "RackPinion", '2', '1'},
    {MechanismType::RotaryTable, 55, "RotaryTable", '2', '1'},
    {MechanismType::NipRoll, 56, "NipRoll", '2', '1'},
    {MechanismType::WinderCenter, -1, "WinderCenter", '1', '2'},
    {MechanismType::WinderSurface, -1, "WinderSurface", '2', '1'},
}};

// The picture file of a type at a level; "" for a type without pictures.
QString MechanismPictureFile(int16_t type, bool level)
{
    for (const PictureFiles& files : kPictureFiles)
        if (type == files.type || (files.alternate != -1 && type == files.alternate))
            return QString::fromLatin1(files.base) + QChar(level ? files.levelTrue : files.levelFalse)
                   + QStringLiteral(".BMP");
    return {};
}

} // namespace

void frmAxisDesign::mSubShowMotorPicture(bool show)
{
    imgMotor->SetStretch(false);
    imgMotor->LoadPicture(ImageFile(kMotorPicture));
    const QSize natural = imgMotor->NaturalSize();
    msngPictureScale = natural.height() > 0
                           ? static_cast<float>(picAxisDesign->maximumHeight() - 2 * kMargin) / natural.height()
                           : 1.0f;
    imgMotor->SetStretch(true);
    imgMotor->setGeometry(kMargin, kMargin, qRound(natural.width() * msngPictureScale),
                          qRound(natural.height() * msngPictureScale));
    if (show)
        imgMotor->show();
    QApplication::processEvents();
}

ChainPictureRec frmAxisDesign::mFctNewPicture()
{
    ChainPictureRec slot;
    slot.PictureIndex = ++mnPictureCounter;
    const int16_t index = slot.PictureIndex;
    slot.Picture = new platform::ImageControl(picAxisDesign);
    slot.Picture->setObjectName(QStringLiteral("imgMechanism_%1").arg(index));
    slot.Picture->hide();
    connect(slot.Picture, &platform::ImageControl::clicked, this, [this, index] { imgMechanism_Click(index); });
    return slot;
}

void frmAxisDesign::mnFctAddPictureSlot(int16_t type)
{
    manMechanismTypes.push_back(type);
    maChainPictures.push_back(mFctNewPicture());
    ++mnMechanismCount;
}

void frmAxisDesign::mSubUnloadPicture(ChainPictureRec& picture)
{
    delete picture.Picture;
    picture.Picture = nullptr;
}

bool frmAxisDesign::mSubLoadMechanismPicture(int16_t position)
{
    // The level starts True and changes at every belt-pulley up to and
    // including the position: the shaft height the picture joins at.
    bool level = true;
    for (int16_t i = 0; i <= position; ++i)
        if (manMechanismTypes[static_cast<size_t>(i)] == MechanismType::BeltPulley)
            level = !level;
    ChainPictureRec& slot = maChainPictures[static_cast<size_t>(position)];
    const QString name = MechanismPictureFile(manMechanismTypes[static_cast<size_t>(position)], level);
    if (name == slot.FileName)
        return false;
    platform::ImageControl* picture = slot.Picture;
    picture->SetStretch(false);
    picture->LoadPicture(name.isEmpty() ? QString() : ImageFile(name));
    picture->SetStretch(true);
    picture->resize(qRound(picture->NaturalSize().width() * msngPictureScale), imgMotor->height());
    slot.FileName = name;
    return true;
}

void frmAxisDesign::mSubArrangeMechanismPictures(int16_t position, bool deselect)
{
    int x = imgMotor->x() + imgMotor->width() - kOverlap;
    for (int16_t i = 0; i < position && i < mnMechanismCount; ++i)
        x += maChainPictures[static_cast<size_t>(i)].Picture->width() - kOverlap;
    for (int16_t i = std::max<int16_t>(position, 0); i < mnMechanismCount; ++i) {
        mSubLoadMechanismPicture(i);
        platform::ImageControl* picture = maChainPictures[static_cast<size_t>(i)].Picture;
        picture->move(x, imgMotor->y());
        picture->raise();
        picture->show();
        x += picture->width() - kOverlap;
    }
    mSubHighlightElement(!deselect);
}

void frmAxisDesign::mSubHighlightElement(bool on)
{
    const bool selected = mnSelectedPosition >= 0 && mnSelectedPosition < mnMechanismCount;
    if (!on) {
        mnSelectedPicture = -1;
        if (selected)
            maChainPictures[static_cast<size_t>(mnSelectedPosition)].Picture->SetBorderStyle(0);
        mnSelectedPosition = -1;
        return;
    }
    if (!selected)
        return;
    ChainPictureRec& element = maChainPictures[static_cast<size_t>(mnSelectedPosition)];
    element.Picture->SetBorderStyle(1);
    element.Picture->raise();
    mnSelectedPicture = element.PictureIndex;
}
