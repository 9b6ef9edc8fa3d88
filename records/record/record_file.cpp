#include "records/record/record_file.h"

#include <cstring>
#include <string>
#include <utility>

#include "core/path/host_path.h"
#include "records/io/file_image.h"

namespace {

constexpr std::size_t kVersionBytes = 4;

std::string HostPathOf(std::string_view path) {
  return ResolveDataPath(path.empty() ? std::string_view("err") : path);
}

}  // namespace

cRecordInFile OpenRecordImage(std::vector<uint8_t> image) {
  g_bFileTooNew = 0;
  int32_t version = 0;
  if (image.size() < kVersionBytes) return cRecordInFile(eRecordFile::Damaged, cRecordReader());
  std::memcpy(&version, image.data(), kVersionBytes);  // little-endian, as the reader asserts
  g_nFileVersion = version;
  // Compared unsigned: a negative version is a too new one, never an old one.
  if (static_cast<uint32_t>(version) > static_cast<uint32_t>(g_nDataVersion)) {
    g_bFileTooNew = 1;
    return cRecordInFile(eRecordFile::TooNew, cRecordReader());
  }
  return cRecordInFile(eRecordFile::Ok, cRecordReader(std::move(image), version, kVersionBytes));
}

cRecordInFile OpenRecordFile(std::string_view path) {
  std::vector<uint8_t> image;
  const std::string hostPath = HostPathOf(path);
  const eFileRead read = hostPath.empty() ? eFileRead::Missing : ReadFileImage(hostPath, image);
  if (read != eFileRead::Ok) {
    g_bFileTooNew = 0;
    return cRecordInFile(read == eFileRead::Missing ? eRecordFile::Missing : eRecordFile::Damaged,
                         cRecordReader());
  }
  return OpenRecordImage(std::move(image));
}

void CloseRecordFile(cRecordInFile& file) { file.m_Reader = cRecordReader(); }

cRecordOutFile CreateRecordFile(std::string_view path) {
  cRecordOutFile file;
  const std::string hostPath = HostPathOf(path);
  if (hostPath.empty() || !file.m_File.Open(hostPath)) return file;
  file.m_Writer.Write(file.m_Writer.Version());
  return file;
}

int CloseRecordFile(cRecordOutFile& file) {
  const bool written = file.m_File.Commit(file.m_Writer.Bytes());
  file.m_Writer = cRecordWriter(g_nDataVersion);
  return written ? 1 : 0;
}

std::vector<uint8_t> SaveRecordImage(cRecord& record, int32_t version) {
  cRecordWriter writer(version);
  writer.Write(version);
  record.Save(writer);
  return writer.TakeBytes();
}

eRecordFile LoadRootRecord(cRecordInFile& file, cRecord& record) {
  if (!file.IsOpen()) return file.Status();
  return record.LoadOrKeep(file.Reader()) ? eRecordFile::Ok : eRecordFile::Damaged;
}

eRecordFile LoadRecordImage(cRecord& record, std::vector<uint8_t> image) {
  cRecordInFile file = OpenRecordImage(std::move(image));
  return LoadRootRecord(file, record);
}
