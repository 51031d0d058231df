object TatDiagram
  FCTypes = 0
  InsertType = 0
end
