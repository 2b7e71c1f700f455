// SPDX-License-Identifier: MIT
// libFuzzer target for the reader of an export's marker, which decides what the next export may
// remove: whatever bytes the marker holds, every file it lists must lie inside the folder (no
// absolute path, no "..", no control character), and what it lists must read back the same once
// written again.

#include "ExportManifest.h"
#include "Finding.h"

#include <QList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &marker : { input, ExportManifest::heading() + input }) {
        const auto files = ExportManifest::parse(marker);
        if (!files)
            continue;
        if (ExportManifest::isUnlisted(marker))
            finding("a marker both lists files and is the older marker");
        QByteArray again = ExportManifest::heading();
        for (const auto &[path, file] : *files) {
            const QByteArray name = QByteArray::fromStdString(path);
            if (name.startsWith('/') || name.split('/').contains("..") || name.contains('\n'))
                finding("a listed file lies outside the folder");
            again += file.sha256 + ' ' + QByteArray::number(file.size) + ' ' + name + '\n';
        }
        if (ExportManifest::parse(again) != files)
            finding("the list does not read back");
    }
    return 0;
}
