#include "graphic.h"

#include "errors.h"

namespace tracuu {

PictureRegistry &PictureRegistry::global()
{
    static PictureRegistry registry;
    return registry;
}

void PictureRegistry::registerClass(GraphicClass graphicClass)
{
    classes_.push_back(std::move(graphicClass));
}

const GraphicClass *PictureRegistry::find(QByteArrayView className) const
{
    for (auto it = classes_.rbegin(); it != classes_.rend(); ++it)
        if (it->className.toLatin1() == className)
            return &*it;
    return nullptr;
}

void TPicture::loadFromRecord(QByteArrayView record, const PictureRegistry &registry)
{
    graphic_.reset();
    if (record.isEmpty())
        throw PictureRecordError("picture record is empty");
    const qsizetype tagLength = static_cast<unsigned char>(record[0]);
    if (1 + tagLength > record.size())
        throw PictureRecordError("picture record's class tag runs past its data");
    const GraphicClass *cls = registry.find(record.sliced(1, tagLength));
    if (!cls)
        return;
    std::unique_ptr<TGraphic> graphic = cls->create();
    graphic->readData(record.sliced(1 + tagLength));
    graphic_ = std::move(graphic);
}

} // namespace tracuu
