#include "datexport/cls_crc.h"

#include "datexport/crc_update.h"

namespace zeb {

clsCRC::clsCRC() { SetAlgorithm(1); }

int32_t clsCRC::AddBytes(std::span<const uint8_t> bytes) {
  if (!bytes.empty()) {
    if (algorithm_ == 0) {
      crc16_ = Crc16Update(crc16_, bytes);
    } else {
      crc32_ = Crc32Update(crc32_, bytes);
    }
  }
  return Value();
}

int32_t clsCRC::AddString(std::string_view text) {
  return AddBytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

int32_t clsCRC::Algorithm() const { return algorithm_; }

void clsCRC::SetAlgorithm(int32_t algorithm) {
  algorithm_ = algorithm == 0 ? 0 : -1;
  Clear();
}

int32_t clsCRC::CalculateBytes(std::span<const uint8_t> bytes) {
  Clear();
  return AddBytes(bytes);
}

int32_t clsCRC::CalculateString(std::string_view text) {
  Clear();
  return AddString(text);
}

int32_t clsCRC::Value() const {
  if (algorithm_ == 0) return static_cast<int32_t>(crc16_ & 0xFFFFu);
  return static_cast<int32_t>(~crc32_);
}

void clsCRC::SetValue(int32_t value) {
  if (algorithm_ == 0) {
    crc16_ = static_cast<uint32_t>(value);
  } else {
    crc32_ = static_cast<uint32_t>(value);
  }
}

void clsCRC::Clear() {
  crc16_ = 0;
  crc32_ = 0xFFFFFFFFu;
}

}  // namespace zeb
