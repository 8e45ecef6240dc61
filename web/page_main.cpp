// The page's program: the session and its page host, run until the page closes.
#include "web/page_host.h"

int main() {
  static stonewick::page::PageHost host;
  host.Run();
  return 0;
}
