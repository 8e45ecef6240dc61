// Writing the API's JSON answers: objects of strings and numbers, strings escaped so that any
// name is safe in them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stonewick::hall {

// `text` as a JSON string, quotes included; control characters, '<', '>' and '&' as \u
// escapes, so the answer is safe even pasted into a page.
std::string JsonString(std::string_view text);

// Builds one JSON object field by field.
class JsonObject {
 public:
  JsonObject& Add(std::string_view key, std::string_view value);
  JsonObject& Add(std::string_view key, const char* value) {
    return Add(key, std::string_view(value));
  }
  JsonObject& Add(std::string_view key, std::int64_t value);
  JsonObject& AddRaw(std::string_view key, std::string_view json);
  std::string Text() const { return text_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string text_ = "{";
};

}  // namespace stonewick::hall
