#include "core/bill.h"

#include <string_view>

#include "platform/error.h"
#include "platform/object.h"
#include "platform/variant.h"
#include "platform/vb.h"

namespace lumo {

namespace {

DictionaryRef FieldMap(const DictionaryRef& dctTableInfo) {
  return ObjectAs<Dictionary>(Deref(dctTableInfo).Value("Map"));
}

bool IsEntryPage(const Dictionary& pageInfo) {
  return vb::CDbl(pageInfo.Value("FEntryType")) == 1;
}

// The distinct non-blank names of a comma-separated list, in order.
Dictionary SplitFieldList(std::string_view list) {
  Dictionary names;
  while (true) {
    const size_t comma = list.find(',');
    const std::string name = vb::Trim(list.substr(0, comma));
    if (!name.empty()) names.SetValue(name, true);
    if (comma == std::string_view::npos) return names;
    list.remove_prefix(comma + 1);
  }
}

Dictionary WantedFields(const Recordset& recordset, const std::string& fieldList) {
  if (!vb::Trim(fieldList).empty()) return SplitFieldList(fieldList);
  Dictionary all;
  for (int32_t i = 0; i < recordset.FieldCount(); ++i) all.SetValue(recordset.FieldName(i), true);
  return all;
}

}  // namespace

DictionaryRef GetFieldInfo(const DictionaryRef& dctTableInfo, const std::string& fieldKey) {
  if (fieldKey.empty()) return nullptr;
  try {
    const DictionaryRef map = FieldMap(dctTableInfo);
    if (!map->Lookup(fieldKey)) return nullptr;
    return ObjectAs<Dictionary>(dctTableInfo->Value(vb::CStr(map->Value(fieldKey))));
  } catch (const VbError&) {
    return nullptr;  // collections that do not fit: a field that is not configured
  }
}

DictionaryRef GetFieldCellByInfo(const DictionaryRef& fieldInfo, const DictionaryRef& dctTableInfo,
                                 const VectorRef& vctClassTypeEntry, const DictionaryRef& dctData,
                                 int32_t row) {
  try {
    const Dictionary& info = Deref(fieldInfo);
    const std::string internalKey =
        vb::CStr(FieldMap(dctTableInfo)->Value(vb::CStr(info.Value("FKey"))));
    const Variant page = info.Value("FPage");
    const Variant pageData = Deref(dctData).Value("Page" + vb::CStr(page));
    const auto pageInfo = ObjectAs<Dictionary>(Deref(vctClassTypeEntry).Item(vb::CLng(page)));

    const DictionaryRef record = IsEntryPage(*pageInfo)
                                     ? ObjectAs<Dictionary>(ObjectAs<Vector>(pageData)->Item(row))
                                     : ObjectAs<Dictionary>(pageData);
    return ObjectAs<Dictionary>(record->Value(internalKey));
  } catch (const VbError&) {
    return nullptr;  // collections that do not fit: a field that is not configured
  }
}

DictionaryRef GetFieldCell(const std::string& fieldKey, const DictionaryRef& dctTableInfo,
                           const VectorRef& vctClassTypeEntry, const DictionaryRef& dctData,
                           int32_t row) {
  const DictionaryRef info = GetFieldInfo(dctTableInfo, fieldKey);
  if (!info) return nullptr;
  return GetFieldCellByInfo(info, dctTableInfo, vctClassTypeEntry, dctData, row);
}

std::string GetFieldSqlName(const std::string& fieldKey, const DictionaryRef& dctTableInfo,
                            std::string& aliasPrefix) {
  const DictionaryRef info = GetFieldInfo(dctTableInfo, fieldKey);
  if (!info) return {};
  aliasPrefix = vb::Trim(aliasPrefix);
  std::string column = vb::CStr(info->Value("FFieldName"));
  if (aliasPrefix.empty()) return column;
  return aliasPrefix + vb::CStr(info->Value("FPage")) + "." + column;
}

DictionaryRef RecordsetToDictionary(const RecordsetRef& recordset, const std::string& keyColumn,
                                    const std::string& fieldList) {
  if (!recordset) return nullptr;
  auto result = NewDictionary();
  if (recordset->RecordCount() < 1) return result;

  const Dictionary wanted = WantedFields(*recordset, fieldList);
  for (recordset->MoveFirst(); !recordset->Eof(); recordset->MoveNext()) {
    const std::string key = vb::CStr(recordset->Value(keyColumn));
    if (wanted.Count() == 1) {
      result->SetValue(key, recordset->Value(wanted.Name(1)));
      continue;
    }
    auto fields = NewDictionary();
    for (int32_t i = 0; i < recordset->FieldCount(); ++i) {
      const std::string& column = recordset->FieldName(i);
      if (wanted.Lookup(column)) fields->SetValue(column, recordset->Value(column));
    }
    result->SetValue(key, fields);
  }
  return result;
}

}  // namespace lumo
