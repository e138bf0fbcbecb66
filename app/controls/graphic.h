#pragma once

#include <QByteArrayView>
#include <QPainter>
#include <QSize>

#include <functional>
#include <memory>
#include <vector>

namespace tracuu {

// A picture format: knows its size from its stored data and draws itself.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual QSize size() const = 0;
    bool isEmpty() const { return size().isEmpty(); }
    virtual bool transparent() const { return false; }
    // Reads the format's own part of a stored picture record (everything
    // after the class tag). Throws on data that does not fit.
    virtual void readData(QByteArrayView data) = 0;
    virtual void draw(QPainter &painter, const QRect &dest) = 0;
};

struct GraphicClass {
    QString className; // the tag stored picture records name the format by
    QStringList extensions;
    QString description;
    std::function<std::unique_ptr<TGraphic>()> create;
};

// The picture formats known to the program, looked up by class name.
class PictureRegistry {
public:
    static PictureRegistry &global();

    void registerClass(GraphicClass graphicClass);
    // Exact, case-sensitive; the most recently registered class first.
    const GraphicClass *find(QByteArrayView className) const;
    const std::vector<GraphicClass> &classes() const { return classes_; }

private:
    std::vector<GraphicClass> classes_;
};

// What a picture control holds: one graphic, or none.
class TPicture {
public:
    // A record: the tag's length byte, the tag, then the format's data. An
    // unknown tag leaves the picture empty; a record too short for its own
    // lengths throws PictureRecordError.
    void loadFromRecord(QByteArrayView record, const PictureRegistry &registry);

    TGraphic *graphic() const { return graphic_.get(); }
    QSize size() const { return graphic_ ? graphic_->size() : QSize(); }

private:
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace tracuu
