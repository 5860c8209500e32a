#pragma once

#include "Model/Materials/Material.h"

#include <optional>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace Model::Materials {

// The "Material" element, shared by the catalogue file, documents and process lists.
class MaterialXml {
public:
    // Reads the element the reader is positioned on. Fails (no value) when the element is not
    // a "Material", or its id is 0 or absent, or its name is empty.
    static std::optional<Material> read(QXmlStreamReader &reader);
    // Writes one empty "Material" element; true when the stream reports no error.
    static bool write(QXmlStreamWriter &writer, const Material &material);

    // "#AARRGGBB" from 0..1 components, each truncated after scaling by 255.
    static QString colorText(const RgbaColor &color);
};

} // namespace Model::Materials
