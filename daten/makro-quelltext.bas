Attribute VB_Name = "Quillmar"
' Die drei Makros der Makromappe makro.xls, als Quelltext für Excel unter Windows.
'
' Quillmar ruft sie über den Befehl RUN("makro.xls!<Name>";FALSE) auf. Ohne Excel
' führt Quillmars eingebaute Tabellenkalkulation dieselben Schritte selbst aus;
' diese Datei braucht nur, wer mit einem echten Excel arbeitet.
'
' So kommen die Makros in die Mappe:
'   1. daten\makro.xls in Excel öffnen.
'   2. Mit Alt+F11 den Visual-Basic-Editor öffnen.
'   3. Datei > Datei importieren... und diese Datei (makro-quelltext.bas) wählen.
'   4. Die Mappe als Excel-97-2003-Arbeitsmappe (*.xls) unter demselben Namen speichern.

Option Explicit

' Zu Beginn eines formatierten Blocks, die aktive Zelle ist seine linke obere Ecke:
' fünf Spalten so breit, dass Bezeichnungen, Werte und Einheiten hineinpassen
' (nie schmaler, als der Benutzer sie gemacht hat), die Titelzelle fett.
Sub neueseite()
    Dim breiten As Variant
    Dim i As Integer
    breiten = Array(30, 14, 24, 14, 24)
    For i = 0 To 4
        If ActiveCell.Column + i <= ActiveSheet.Columns.Count Then
            With ActiveCell.Offset(0, i).EntireColumn
                If .ColumnWidth < breiten(i) Then .ColumnWidth = breiten(i)
            End With
        End If
    Next i
    ActiveCell.Font.Bold = True
End Sub

' Am Ende eines formatierten Blocks, die Eingabezellen sind ausgewählt:
' hellgelb hinterlegt und dünn umrandet.
Sub eingabe()
    With Selection
        .Interior.Color = RGB(255, 242, 204)
        .Borders.LineStyle = xlContinuous
        .Borders.Weight = xlThin
    End With
End Sub

' Das Bild der Formel liegt in der Zwischenablage: an der aktiven Zelle einfügen.
Sub grafikeinfuegen()
    ActiveSheet.Paste Destination:=ActiveCell
End Sub
