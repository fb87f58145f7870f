// Navigation of the bill data that the host passes in dctPara.
//
// A bill has pages numbered from 1: header pages hold one record, entry
// pages hold rows (row 1 first). Every field has a field key (the name the
// action configuration uses) and an internal key:
//   dctTableInfo      "Map": field key -> internal key; internal key ->
//                     description {"FPage", "FKey", "FFieldName"}
//   vctClassTypeEntry page number -> {"FEntryType" (1 entry, 0 header),
//                     "FTableName"}
//   dctData           "Page<n>" -> header page: internal key -> cell;
//                     entry page: Vector of rows, internal key -> cell
// A value cell holds "FFLD" (stored value), "FDSP" (display text) and "FFND"
// (displayed code or number).
#pragma once

#include <cstdint>
#include <string>

#include "collections/dictionary.h"
#include "collections/vector.h"
#include "platform/recordset.h"

namespace lumo {

// The field's description, or nullptr when the key is empty, not mapped or
// inconsistent. Never raises a VB error.
DictionaryRef GetFieldInfo(const DictionaryRef& dctTableInfo, const std::string& fieldKey);

// The field's value cell in the given row (ignored for header pages), or
// nullptr when the page, row or key is missing. Never raises a VB error.
DictionaryRef GetFieldCellByInfo(const DictionaryRef& fieldInfo, const DictionaryRef& dctTableInfo,
                                 const VectorRef& vctClassTypeEntry, const DictionaryRef& dctData,
                                 int32_t row);

// GetFieldInfo, then GetFieldCellByInfo; header fields are asked with row 1.
DictionaryRef GetFieldCell(const std::string& fieldKey, const DictionaryRef& dctTableInfo,
                           const VectorRef& vctClassTypeEntry, const DictionaryRef& dctData,
                           int32_t row);

// The field's column, qualified as prefix + page + "." + column when the
// prefix is not blank ("Page2.FPrice"); "" for an unknown field. Trims the
// caller's prefix in place. Errors of the collections go to the caller.
std::string GetFieldSqlName(const std::string& fieldKey, const DictionaryRef& dctTableInfo,
                            std::string& aliasPrefix);

// keyColumn's text -> the single wanted column's value, or -> a Dictionary of
// the wanted columns (in column order) when several are wanted. fieldList is
// comma-separated; blank means every column. A later row with the same key
// replaces the earlier one. nullptr for a null recordset; empty for no rows.
// Errors of the recordset go to the caller.
DictionaryRef RecordsetToDictionary(const RecordsetRef& recordset, const std::string& keyColumn,
                                    const std::string& fieldList);

}  // namespace lumo
