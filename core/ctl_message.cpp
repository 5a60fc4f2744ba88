#include "core/ctl_message.h"

#include <cstdint>
#include <string>

namespace ctl {

namespace {

// Far above any real answer (a survey holds at most a few hundred networks),
// low enough that a corrupt count cannot make a reader allocate without end.
constexpr uint32_t kMaxPieces = 1u << 16;

class PieceWriter {
 public:
  void Put(std::string_view piece) {
    const auto size = static_cast<uint32_t>(piece.size());
    for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<char>(size >> shift));
    out_.append(piece);
  }
  void Put(uint32_t number) { Put(std::to_string(number)); }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

class PieceReader {
 public:
  explicit PieceReader(std::string_view bytes) : rest_(bytes) {}

  bool Get(std::string& piece) {
    if (rest_.size() < 4) return false;
    uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
      size |= static_cast<uint32_t>(static_cast<uint8_t>(rest_[i])) << (8 * i);
    rest_.remove_prefix(4);
    if (size > rest_.size()) return false;
    piece.assign(rest_.substr(0, size));
    rest_.remove_prefix(size);
    return true;
  }
  bool Get(uint32_t& number) {
    std::string piece;
    if (!Get(piece) || piece.empty() || piece.size() > 9) return false;
    number = 0;
    for (char c : piece) {
      if (c < '0' || c > '9') return false;
      number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    return number <= kMaxPieces;
  }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

void PutRecord(PieceWriter& writer, const Record& record) {
  writer.Put(static_cast<uint32_t>(record.size()));
  for (const Value& value : record) {
    writer.Put(value.key);
    writer.Put(static_cast<uint32_t>(value.type));
    writer.Put(value.text);
  }
}

bool GetRecord(PieceReader& reader, Record& record) {
  uint32_t count = 0;
  if (!reader.Get(count)) return false;
  record.clear();
  for (uint32_t i = 0; i < count; ++i) {
    Value value;
    uint32_t type = 0;
    if (!reader.Get(value.key) || !reader.Get(type) || type > Value::kBool ||
        !reader.Get(value.text)) {
      return false;
    }
    value.type = static_cast<Value::Type>(type);
    record.push_back(std::move(value));
  }
  return true;
}

}  // namespace

Value Text(std::string key, std::string text) {
  return {std::move(key), Value::kText, std::move(text)};
}

Value Number(std::string key, long long number) {
  return {std::move(key), Value::kNumber, std::to_string(number)};
}

Value Bool(std::string key, bool flag) {
  return {std::move(key), Value::kBool, flag ? "true" : "false"};
}

std::string EncodeRequest(const std::vector<std::string>& words) {
  PieceWriter writer;
  writer.Put(static_cast<uint32_t>(words.size()));
  for (const std::string& word : words) writer.Put(word);
  return writer.Take();
}

bool DecodeRequest(std::string_view bytes, std::vector<std::string>& words) {
  PieceReader reader(bytes);
  uint32_t count = 0;
  if (!reader.Get(count) || count == 0) return false;
  words.assign(count, {});
  for (std::string& word : words) {
    if (!reader.Get(word)) return false;
  }
  return reader.AtEnd();
}

std::string EncodeReply(const Reply& reply) {
  PieceWriter writer;
  writer.Put(static_cast<uint32_t>(reply.result));
  writer.Put(reply.message);
  PutRecord(writer, reply.fields);
  writer.Put(reply.listName);
  writer.Put(static_cast<uint32_t>(reply.items.size()));
  for (const Record& item : reply.items) PutRecord(writer, item);
  return writer.Take();
}

bool DecodeReply(std::string_view bytes, Reply& reply) {
  PieceReader reader(bytes);
  uint32_t result = 0;
  uint32_t count = 0;
  if (!reader.Get(result) || !reader.Get(reply.message) || !GetRecord(reader, reply.fields) ||
      !reader.Get(reply.listName) || !reader.Get(count)) {
    return false;
  }
  reply.result = static_cast<int>(result);
  reply.items.assign(count, {});
  for (Record& item : reply.items) {
    if (!GetRecord(reader, item)) return false;
  }
  return reader.AtEnd();
}

}  // namespace ctl
