' A COM client of LumoClassActionIC.dll, run by scripts/windows-test under
' Wine: creates the component and the collections by ProgID and runs its
' actions on the database that the first argument, an ODBC connection
' string, names (SQLite's driver with a Unix path, or PostgreSQL's driver
' and its server), with the server's own collections and
' with collections it did not make: the script's own classes and
' Scripting.Dictionary. Every step traps its own error and
' writes one line to the file named by the second argument (UTF-16); the
' test compares that file whole, so a step that fails or never runs shows.
' The function Bill2101 (purchase order 2101 as the host passes it) is put
' after this text by the test; its texts in other letters than ASCII are
' the lines of the file named by the third argument (UTF-16).
Option Explicit
On Error Resume Next

Const kReading = 1, kUnicode = -1
Dim fso, out, database, props, action, para, ret, result, mapped, Texts, text, kind, run, value
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

' A value with its kind: Long 4, Double 0.05, "text", Null, Array(0 To 2: ...),
' an object's class.
Function Show(value)
  Dim text, i
  If IsObject(value) Then
    If value Is Nothing Then
      Show = "Nothing"
    Else
      Show = TypeName(value)
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

' A host's own collections as a host's library might make them: the members
' the component uses, Value the default. (Wine's VBScript can neither ReDim
' a class's array nor declare two members in one line: the entries are kept
' in Scripting.Dictionary objects.)
Class HostDictionary
  Private mNames
  Private mValues
  Private Sub Class_Initialize()
    Set mNames = CreateObject("Scripting.Dictionary")
    Set mValues = CreateObject("Scripting.Dictionary")
  End Sub
  Private Sub Store(key, item)
    If mValues.Exists(key) Then
      mValues.Remove key
    Else
      mNames.Add mNames.Count + 1, key
    End If
    mValues.Add key, item
  End Sub
  Public Default Property Get Value(key)
    If IsObject(GetValue(key, Empty)) Then Set Value = GetValue(key, Empty) Else Value = GetValue(key, Empty)
  End Property
  Public Property Let Value(key, item): Store key, item: End Property
  Public Property Set Value(key, item): Store key, item: End Property
  Public Function Lookup(key): Lookup = mValues.Exists(key): End Function
  Public Function GetValue(key, fallback)
    If Not Lookup(key) Then
      If IsObject(fallback) Then Set GetValue = fallback Else GetValue = fallback
    ElseIf IsObject(mValues(key)) Then
      Set GetValue = mValues(key)
    Else
      GetValue = mValues(key)
    End If
  End Function
  Public Property Get Count(): Count = mNames.Count: End Property
  Public Property Get Name(position): Name = mNames(CLng(position)): End Property
End Class

Class HostVector
  Private mItems
  Private Sub Class_Initialize(): Set mItems = CreateObject("Scripting.Dictionary"): End Sub
  Public Default Property Get Item(index)
    If IsObject(mItems(CLng(index))) Then Set Item = mItems(CLng(index)) Else Item = mItems(CLng(index))
  End Property
  Public Property Get LowerBound(): LowerBound = 1: End Property
  Public Property Get UpperBound(): UpperBound = mItems.Count: End Property
  Public Function Add(item)
    Add = mItems.Count + 1
    mItems.Add Add, item
  End Function
End Class

' The collections of the kind being run: the server's ("ours"), the
' script's classes ("class"), or Scripting.Dictionary with the script's vector.
Function NewDictionary()
  Select Case kind
    Case "class": Set NewDictionary = New HostDictionary
    Case "scripting": Set NewDictionary = CreateObject("Scripting.Dictionary")
    Case Else: Set NewDictionary = CreateObject("LumoCollections.Dictionary")
  End Select
End Function

Function NewVector()
  If kind = "ours" Then Set NewVector = CreateObject("LumoCollections.Vector") Else Set NewVector = New HostVector
End Function

' dictionary(key) = value, for a new key; Wine's Scripting.Dictionary takes
' an object only by Add.
Sub Store(dictionary, key, value)
  If kind = "scripting" Then
    dictionary.Add key, value
  ElseIf IsObject(value) Then
    Set dictionary(key) = value
  Else
    dictionary(key) = value
  End If
End Sub

Function NewParameters()
  Dim made
  Set made = NewDictionary()
  made("PropString") = props
  Set NewParameters = made
End Function

kind = "ours"
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

' The same actions on each kind of collections a host may pass. The bill's
' price write-back of each kind writes its own price, which the test checks
' with sqlite3: ours the order prices of order 2101's items, the classes'
' their sale prices, Scripting.Dictionary's the order prices of order 2103's.
For Each run In Array(Array("ours", 0, 2101), Array("class", 1, 2101), Array("scripting", 0, 2103))
  kind = run(0)
  ' The exchange rate: dctReturn is Nothing, so the action makes the
  ' dictionary the caller then holds (one of the server's).
  Set para = NewParameters()
  para("P_CurrencyID") = CLng(4)
  Set ret = Nothing
  result = action.DoAction("TevSer_GetExchangeRate", "", para, ret)
  Report kind & ": exchange rate", "result " & result & ", " & Show(ret) & " " & Show(ret("P_ExchangeRate"))

  ' A tax rate per line: an array in, an array out with the same bounds.
  Set para = NewParameters()
  para("P_ICItemID") = Array(Null, CLng(1001), "", CLng(1007))
  Set ret = NewDictionary()
  result = action.DoAction("TevSer_GetTaxRate", "", para, ret)
  Report kind & ": tax rates", "result " & result & ", " & Show(ret("P_TaxRate"))

  ' Amounts converted into the caller's own dictionary, whose other key
  ' keeps its value and kind.
  Set para = NewParameters()
  para("P_CurrencyID") = CLng(2)
  para("P_OldCurrencyID") = CLng(1)
  para("P_CalField1") = CLng(100)
  para("P_CalField3") = Array(Null, CLng(10), "5abc")
  Set ret = NewDictionary()
  ret("Kept") = CCur(1.5)
  result = action.DoAction("TevSer_CurrencyCal", "", para, ret)
  Report kind & ": currency conversion", "result " & result & ", " & ret.Count & " keys, " & _
    Show(ret("Kept")) & ", " & Show(ret("P_CalField1")) & ", " & Show(ret("P_CalField3"))

  ' The bill's prices written back into the item master.
  Set para = Bill2101()
  para("PropString") = props
  para("P_PriceType") = CLng(run(1))
  Set value = para("dctData")
  value("FID") = CLng(run(2))
  Set ret = Nothing
  result = action.DoAction("TevSer_UpdateItemPrice", "", para, ret)
  Report kind & ": item price write-back", "result " & result & ", dctReturn " & Show(ret)
Next
kind = "ours"

' The same action named in lower case.
Set para = NewParameters()
para("P_CurrencyID") = CLng(4)
Set ret = Nothing
result = action.DoAction("tevser_getexchangerate", "", para, ret)
Report "exchange rate, lower case", "result " & result & ", " & Show(ret("P_ExchangeRate"))

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

' A failing action answers with its result; no error reaches the script.
Set para = CreateObject("LumoCollections.Dictionary")
Set ret = Nothing
result = action.DoAction("TevSer_GetExchangeRate", "", para, ret)
Report "action without PropString", "result " & result & ", dctReturn " & Show(ret)
' A dctPara that is no dictionary: the action does not run (with an empty
' dictionary it makes a dctReturn).
For Each run In Array(Array("a text", "text"), Array("an object of neither shape", fso), _
                      Array("a vector", New HostVector))
  Set ret = Nothing
  result = action.DoAction("TevSer_GetMapNumber", "", run(1), ret)
  Report "dctPara " & run(0), "result " & result & ", dctReturn " & Show(ret)
Next
result = action.DoAction("No_Such_Action", "", Nothing, ret)
Report "unknown action", "result " & result

out.WriteLine "done"
out.Close
