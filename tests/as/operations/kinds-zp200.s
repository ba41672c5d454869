; ZP200: move takes a reference, exa an index register and an optional V
        .text
p:
        getl 1
        move @1
        exa #8, 16
        exa #9
        complete
