#include "framework/qt/Icons.h"

#include "framework/Resources.h"

QIcon IconFromResource(int id) {
    QIcon icon;
    const IconResource* resource = FindIconResource(id);
    if (resource == nullptr)
        return icon;
    for (const IconImage& image : resource->images) {
        QPixmap pixmap;
        if (pixmap.loadFromData(image.png.data(), static_cast<uint>(image.png.size()), "PNG"))
            icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap IconPixmap(int id, int size) {
    return IconFromResource(id).pixmap(QSize(size, size));
}
