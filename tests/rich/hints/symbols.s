; a symbol that is not defined, where one is near: said only in pass 2,
; when the table is complete
        .data
counter: .long 1
        .equiv copy, countr
        .equiv other, nothing_near
