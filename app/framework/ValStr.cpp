#include "app/framework/ValStr.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace fw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when s is exactly: [sign] digits [. digits] | [sign] . digits, then
// optionally e|E [sign] digits.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

}  // namespace

std::optional<double> ParseNumber(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  std::string_view s(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  if (!IsDecimalNumber(s)) return std::nullopt;
  // from_chars takes no leading plus sign.
  if (s.front() == '+') s.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  const double magnitude = std::abs(value);
  if (magnitude != 0 &&
      !(magnitude >= kSmallestTypedMagnitude && magnitude <= kLargestTypedMagnitude))
    return std::nullopt;
  return value;
}

double Val(const QString& text) { return ParseNumber(text).value_or(0.0); }

QString Str(double value) {
  if (!IsShowable(value)) return QString();
  if (value == 0) return QStringLiteral("0");
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

QString ResultText(double value) { return IsShowable(value) ? Str(value) : kTooLargeToShow; }

QString Str(std::int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

}  // namespace fw
