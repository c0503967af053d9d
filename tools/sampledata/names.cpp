#include "tools/sampledata/names.h"

#include <stdexcept>
#include <vector>

#include "base/sjis.h"

namespace sampledata {
namespace {

const std::vector<std::string> kHorseFirst = {
    "アオバ",   "ヒカリ",   "ハヤテ",   "コハク",   "スズラン", "ミナモ",   "ツバサ", "ホシゾラ",
    "シラユキ", "アカツキ", "ユウヅキ", "カザハナ", "ルリイロ", "フジミ",   "ブルー", "シルバー",
    "ノーブル", "ミスティ", "サニー",   "グラン",   "ロイヤル", "ラッキー", "ウララ", "カゲロウ",
    "ソヨカゼ", "イブキ",   "タマユラ", "ナギサ",   "モミジ",   "ハルカ",   "オボロ", "サザナミ",
    "ヤマブキ", "トワ",     "アサヒ",   "クオン",   "セツナ",   "リンドウ", "ミヤビ", "ホムラ"};
const std::vector<std::string> kHorseSecond = {
    "スター",   "ウイング", "ドリーム", "ロード",   "キセキ",   "ソング",   "ハート",   "ボーイ",
    "ライト",   "ブレイブ", "フォース", "メロディ", "サイン",   "ステップ", "ダンサー", "ナイト",
    "ソレイユ", "プリンス", "ヒーロー", "ランナー", "カムイ",   "ミライ",   "ホープ",   "ジェム",
    "リーフ",   "ストーム", "フレア",   "ブリーズ", "クラウン", "アロー",   "ベル",     "テイル",
    "ルージュ", "ノヴァ",   "シチー",   "エース",   "オーラ",   "ゼファー", "バローズ", "マーチ"};
const std::vector<std::string> kSurnames = {
    "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤",
    "吉田", "山田", "松本", "井上", "木村", "清水", "山崎", "池田", "橋本", "阿部",
    "石川", "山下", "中島", "石井", "小川", "前田", "岡田", "藤田", "後藤", "近藤",
    "村上", "遠藤", "青木", "坂本", "福田", "太田", "西村", "藤井", "金子", "岡本",
    "藤原", "三浦", "中川", "原田", "松田", "竹内", "中野", "小野", "田村", "菅原"};
const std::vector<std::string> kGivenTwo = {
    "健太", "翔太", "大輔", "拓也", "一馬", "勇気", "和也", "雄一", "隼人", "将大",
    "直樹", "達也", "浩二", "優斗", "悠真", "颯太", "康介", "慎也", "光司", "誠治",
    "正人", "秀明", "博之", "勝己", "恵介", "武史", "幸四", "義和", "英樹", "雅人"};
const std::vector<std::string> kGivenOne = {"誠", "亮", "蓮", "豊", "剛",
                                            "翼", "学", "仁", "徹", "聡"};
const std::vector<std::string> kCompanyWords = {"アオバ",   "ヒカリ",   "ミナモ", "ツバサ",
                                                "シラユキ", "アカツキ", "コハク", "イブキ"};
const std::vector<std::string> kCompanyKinds = {"レーシング", "ファーム", "ホースクラブ", "牧場",
                                                "ホールディングス"};
const std::vector<std::string> kRaceWords = {
    "若葉", "春光", "山桜", "白梅", "紅葉", "初日", "若駒", "潮騒", "鳴門", "雪見",
    "花園", "青嵐", "銀河", "朝霧", "北斗", "星空", "清流", "睦月", "皐月", "錦秋",
    "玄海", "渚",   "飛鳥", "秋桜", "朱雀", "白鷺", "天竜", "有明", "浜風", "夕月"};
const std::vector<std::string> kRaceKinds = {"特別", "ステークス", "カップ", "賞"};
const std::vector<std::string> kMainKinds = {"ステークス", "記念", "カップ", "大賞典"};

}  // namespace

int WideLength(const std::string& sjis) {
  int n = 0;
  for (std::size_t i = 0; i < sjis.size(); i = base::NextCharPos(sjis, i)) ++n;
  return n;
}

std::string PadWide(const std::string& sjis, int bytes) {
  std::string out;
  for (std::size_t i = 0; i < sjis.size();) {
    std::size_t next = base::NextCharPos(sjis, i);
    if (static_cast<int>(out.size() + (next - i)) > bytes) break;
    out.append(sjis, i, next - i);
    i = next;
  }
  while (static_cast<int>(out.size()) + 2 <= bytes) out += "　";
  if (static_cast<int>(out.size()) < bytes) out += ' ';
  return out;
}

std::string HorseName(Rng& rng, std::set<std::string>& used) {
  for (int attempt = 0; attempt < 10000; ++attempt) {
    std::string name = rng.Pick(kHorseFirst) + rng.Pick(kHorseSecond);
    if (WideLength(name) > 9 || used.count(name)) continue;
    used.insert(name);
    return name;
  }
  throw std::length_error("no horse name left");
}

std::string PersonName(Rng& rng) {
  std::string surname = rng.Pick(kSurnames);
  if (rng.Chance(0.2)) return surname + rng.Pick(kGivenOne) + "　";
  return surname + rng.Pick(kGivenTwo);
}

std::string OwnerName(Rng& rng) {
  if (rng.Chance(0.5)) return rng.Pick(kSurnames) + rng.Pick(kGivenTwo);
  return "（株）" + rng.Pick(kCompanyWords) + rng.Pick(kCompanyKinds);
}

std::string RaceName(Rng& rng, bool main) {
  return rng.Pick(kRaceWords) + (main ? rng.Pick(kMainKinds) : rng.Pick(kRaceKinds));
}

}  // namespace sampledata
