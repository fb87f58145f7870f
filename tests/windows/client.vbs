' A COM client of LumoClassActionIC.dll, run by scripts/windows-test under
' Wine: creates the component and the collections by ProgID and runs four
' actions on the database that the first argument, an ODBC connection
' string, names (SQLite's driver with a Unix path, or PostgreSQL's driver
' and its server). Every step traps its own error and
' writes one line to the file named by the second argument (UTF-16); the
' test compares that file whole, so a step that fails or never runs shows.
' The function Bill2101 (purchase order 2101 as the host passes it) is put
' after this text by the test; its texts in other letters than ASCII are
' the lines of the file named by the third argument (UTF-16).
Option Explicit
On Error Resume Next

Const kReading = 1, kUnicode = -1
Dim fso, out, database, props, action, para, ret, result, mapped, Texts, text
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(1), True, True)
Texts = Split(fso.OpenTextFile(WScript.Arguments(2), kReading, False, kUnicode).ReadAll(), vbCrLf)
database = WScript.Arguments(0)
props = "DBConnect={" & Replace(database, "}", "}}") & "};UserID=16;Language=CHS"

' One line per step: its text, or the error the step raised.
Sub Report(stepName, text)
  If Err.Number <> 0 Then
    out.WriteLine stepName & ": error " & Err.Number & " (" & Err.Source & "): " & Err.Description
    Err.Clear
  Else
    out.WriteLine stepName & ": " & text
  End If
End Sub

' A value with its kind: Long 4, Double 0.05, "text", Null, Array(0 To 2: ...).
Function Show(value)
  Dim text, i
  If IsObject(value) Then
    If value Is Nothing Then
      Show = "Nothing"
    Else
      Show = "object"
    End If
  ElseIf IsArray(value) Then
    text = "Array(" & LBound(value) & " To " & UBound(value) & ":"
    For i = LBound(value) To UBound(value)
      text = text & " " & Show(value(i))
    Next
    Show = text & ")"
  ElseIf IsNull(value) Then
    Show = "Null"
  ElseIf IsEmpty(value) Then
    Show = "Empty"
  ElseIf VarType(value) = vbString Then
    Show = """" & value & """"
  Else
    Show = TypeName(value) & " " & CStr(value)
  End If
End Function

Function NewParameters()
  Dim made
  Set made = CreateObject("LumoCollections.Dictionary")
  made("PropString") = props
  Set NewParameters = made
End Function

Set action = CreateObject("LumoClassActionIC.clsActionIC")
Report "create clsActionIC", TypeName(action)

' The collections keep what a script puts in, kinds and bounds included.
Set para = CreateObject("LumoCollections.Dictionary")
para("Text") = Texts(0)
para("Whole") = CLng(-7)
para("Small") = 3
para("Real") = 0.125
para("Flag") = True
para("Nothing") = Null
Set para("Inner") = CreateObject("LumoCollections.Vector")
para("Inner").Add "first"
Report "dictionary", para.Count & " keys, " & para.Name(1) & " " & Show(para("Text")) & _
  ", " & Show(para("Whole")) & ", " & Show(para("Small")) & ", " & Show(para("Real")) & _
  ", " & Show(para("Flag")) & ", " & Show(para("Nothing")) & ", " & Show(para("Missing"))
text = para("Text")
Report "text", "the same: " & (text = Texts(0)) & ", " & Len(text) & " letters"
Report "vector", para("Inner").LowerBound & " to " & para("Inner").UpperBound & ": " & _
  Show(para("Inner").Item(1))
Report "lookup and default", para.Lookup("Whole") & " " & para.Lookup("whole") & " " & _
  Show(para.GetValue("Missing", "default"))
Dim bounded(2)
bounded(0) = "a": bounded(2) = CLng(3)
para("Array") = bounded
Report "array", Show(para("Array"))
Report "clone", para.Clone().Count
text = para.Name(99)
Report "name out of range", "no error"

' The exchange rate: dctReturn is Nothing, so the action makes the
' dictionary the caller then holds.
Set para = NewParameters()
para("P_CurrencyID") = CLng(4)
Set ret = Nothing
result = action.DoAction("TevSer_GetExchangeRate", "", para, ret)
Report "exchange rate", "result " & result & ", " & Show(ret("P_ExchangeRate"))

' The same action named in lower case.
Set ret = Nothing
result = action.DoAction("tevser_getexchangerate", "", para, ret)
Report "exchange rate, lower case", "result " & result & ", " & Show(ret("P_ExchangeRate"))

' A tax rate per line: an array in, an array out with the same bounds.
Set para = NewParameters()
para("P_ICItemID") = Array(Null, CLng(1001), "", CLng(1007))
Set ret = CreateObject("LumoCollections.Dictionary")
result = action.DoAction("TevSer_GetTaxRate", "", para, ret)
Report "tax rates", "result " & result & ", " & Show(ret("P_TaxRate"))

' A column of items to the partner's mapping entries.
Set para = NewParameters()
para("P_SupplierOrCustomerID") = CLng(221)
para("P_ICItemID") = Array(Null, CLng(1201), CLng(1203))
Set ret = CreateObject("LumoCollections.Dictionary")
result = action.DoAction("TevSer_SynMapAndItem", "", para, ret)
Report "mapping of a column", "result " & result & ", " & Show(ret("P_MapID"))

' One item's mapping entry.
Set para = NewParameters()
para("P_SupplierOrCustomerID") = CLng(221)
para("P_ICItemID") = CLng(1202)
Set ret = CreateObject("LumoCollections.Dictionary")
result = action.DoAction("TevSer_GetMapNumber", "", para, ret)
Report "mapping of an item", "result " & result & ", " & Show(ret("P_MapID"))

' The bill's prices written back into the item master (checked by the test
' with sqlite3 afterwards).
Set para = Bill2101()
para("PropString") = props
Set ret = Nothing
result = action.DoAction("TevSer_UpdateItemPrice", "", para, ret)
Report "item price write-back", "result " & result & ", dctReturn " & Show(ret)

' A failing action answers with its result; no error reaches the script.
Set para = CreateObject("LumoCollections.Dictionary")
Set ret = Nothing
result = action.DoAction("TevSer_GetExchangeRate", "", para, ret)
Report "action without PropString", "result " & result & ", dctReturn " & Show(ret)
result = action.DoAction("TevSer_GetTaxRate", "", "not a dictionary", ret)
Report "dctPara not a dictionary", "result " & result
result = action.DoAction("No_Such_Action", "", Nothing, ret)
Report "unknown action", "result " & result

out.WriteLine "done"
out.Close
