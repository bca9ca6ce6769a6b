#pragma once

#include <QString>

// The address edits of the settings window: the expressions their validators
// use and the check Apply makes before anything goes to the tester.
namespace AddressFields {

// Dotted IPv4 address, each octet 0-255 with up to three digits.
QString addressExpression();
// Subnet mask with contiguous leading ones ("255.255.255.0", "255.0.0.0").
QString maskExpression();

// The validators only govern typing: a field may still hold a prefix such as
// "192.168" or "255.255.255.25", and a text read from the settings store is
// shown as it stands. The request would turn such a prefix into a different
// address (192.168.0.0), so Apply sends only fields for which these hold.

// Four dot-separated parts of one to three decimal digits, each 0-255.
// Leading zeros are allowed ("192.168.001.202").
bool isCompleteAddress(const QString &text);
// A complete address whose value is a contiguous mask: ones from the top,
// then zeros ("255.255.255.000" included, "255.255.255.25" not).
bool isCompleteMask(const QString &text);

// A stored address as an operator would type it: a complete address loses
// the leading zeros of its octets ("192.168.001.202" shows as
// "192.168.1.202"), which leaves its value, and so the request, unchanged.
// Any other text is shown as it stands, so Apply can name it.
QString shownText(const QString &text);

} // namespace AddressFields
