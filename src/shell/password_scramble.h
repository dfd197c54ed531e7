#pragma once

#include <QString>

namespace kodrix {

// The stored form of a librarian's password: the password's Windows-1250 bytes XOR-ed with
// a key made of the login ID and a fixed text; results below 33 are moved up by 199 so that
// no control character is stored. At most 12 characters. The same password gives different
// texts under different IDs. Stored as the Windows-1250 reading of the result bytes.
QString scramblePassword(const QString& loginId, const QString& password);

} // namespace kodrix
