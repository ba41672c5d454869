; a label set right before an operation names that operation itself,
; which is no null reference on either model
        .text
p:
self:=
        addl @self, 1
        getl 1
again:=
        addl @again, 1
        complete
