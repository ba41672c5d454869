; @0: refused on ZP100, the null reference on ZP200
        .text
p:
        addl @0, 2
        addl @0, 3
        complete
