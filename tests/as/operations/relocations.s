; V words that depend on a section or an undefined symbol are relocated
        .data
        .long 0
x:      .long 1
        .text
p:
        rdl x
        wrl @1, x + 4
        jmp ext
        complete
q:
        jmp p
        complete
