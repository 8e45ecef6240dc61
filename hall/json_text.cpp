// JSON strings and objects for the API's answers.
#include "hall/json_text.h"

#include <cstdio>

namespace stonewick::hall {

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json.push_back('\\');
      json.push_back(c);
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&' || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json.append(escaped);
    } else {
      json.push_back(c);
    }
  }
  json.push_back('"');
  return json;
}

void JsonObject::Key(std::string_view key) {
  if (text_.size() > 1) {
    text_.push_back(',');
  }
  text_.append(JsonString(key)).push_back(':');
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view value) {
  Key(key);
  text_.append(JsonString(value));
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::int64_t value) {
  Key(key);
  text_.append(std::to_string(value));
  return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
  Key(key);
  text_.append(json);
  return *this;
}

}  // namespace stonewick::hall
