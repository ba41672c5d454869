; an unknown mnemonic keeps its place in the paragraph, and a reference to
; it draws no second error
        .text
p:
        foo 1, 2
        addl @1, 2
        complete
