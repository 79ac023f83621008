#pragma once

#include "store/vocabulary.h" // IpBytes

#include <optional>
#include <string>
#include <string_view>

// IPv4 address tests on the dotted texts an address field returns. A failed check gives the
// English message text (a language-pack key); nullptr means the check passed.
namespace cpe {

using RuleMessage = const char*;

// Splitting at "." gives exactly four parts (empty parts count).
bool HasFourParts(std::u32string_view text);

// The four numbers of a dotted text when it has four parts of 1 to 3 decimal digits each, every
// number up to 255; anything else is not an address.
std::optional<IpBytes> ParseDottedAddress(std::u32string_view text);

// Empty or "0.0.0.0": the address is unset.
bool IsUnsetAddress(std::u32string_view text);

// A device address: first number not 0, not 127, below 224; last number neither 0 nor 255.
// An unset text passes only when `optional` is true.
bool IsHostAddress(std::u32string_view text, bool optional = false);
bool IsHostAddress(const IpBytes& ip);

// The contiguous masks of 1 to 31 bits, in dotted form.
bool IsNetmask(std::u32string_view text);

// (first AND mask) equals (second AND mask) in all four bytes.
bool IsSameSubnet(const IpBytes& first, const IpBytes& second, const IpBytes& mask);

// The dotted text of address AND mask.
std::u32string NetworkAddressText(const IpBytes& ip, const IpBytes& mask);

// The addressing a tab or dialog edits, as the fields return it.
struct AddressFields {
    std::u32string ip, mask, gateway, dns1, dns2;
};

// The nine address steps in their order; the first failure's message, or nullptr.
RuleMessage CheckAddressRules(const AddressFields& fields);

// The steps the batch dialog repeats between its own: 7 to 9 (the DNS servers).
RuleMessage CheckDnsRules(std::u32string_view dns1, std::u32string_view dns2);

std::u32string ToU32(std::string_view ascii);

} // namespace cpe
