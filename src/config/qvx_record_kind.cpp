#include "config/qvx_record_kind.h"

#include "config/qvx_layout.h"

#include <algorithm>

namespace quorvex {

std::optional<QvxLayout> QvxLayoutOfSize(std::size_t size) {
    switch (size) {
    case qvx::RecordSize:
        return QvxLayout::Current;
    case qvx::RecordSizeWithoutGates:
        return QvxLayout::WithoutGates;
    case qvx::RecordSizeOldest:
        return QvxLayout::Oldest;
    default:
        return std::nullopt;
    }
}

bool HasQvxSignature(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= qvx::SignatureBytes.size() &&
           std::equal(qvx::SignatureBytes.begin(), qvx::SignatureBytes.end(), bytes.begin());
}

QvxRecordKind ClassifyQvxRecord(std::span<const std::uint8_t> bytes) {
    const auto layout = QvxLayoutOfSize(bytes.size());
    if (!layout || !HasQvxSignature(bytes)) {
        return QvxRecordKind::NotQuorvex;
    }
    return *layout == QvxLayout::Current ? QvxRecordKind::Current : QvxRecordKind::OlderVersion;
}

} // namespace quorvex
