#include "config/qvx_file.h"

#include "config/whole_file.h"

namespace quorvex {

QvxFileContents ReadConfigurationFile(const std::filesystem::path& path) {
    FileHead head = ReadFileHead(path, qvx::RecordSize + 1);
    QvxFileContents contents;
    if (!head.Ok()) {
        contents.Error = std::move(head.Error);
        return contents;
    }
    contents.Layout = QvxLayoutOfSize(head.Bytes.size());
    contents.Bytes = std::move(head.Bytes);
    return contents;
}

std::optional<std::string> WriteConfigurationFile(const std::filesystem::path& path,
                                                  const QvxRecord& record) {
    return ReplaceFileContents(path, record);
}

} // namespace quorvex
